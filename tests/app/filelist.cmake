# Tests of the file list parts of the window: they link the window library.
if(TARGET ostrel_gui)
    foreach(test tst_FileListModel tst_FolderExpander tst_SingleInstance)
        ostrel_add_test(${test} ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp)
        target_link_libraries(${test} PRIVATE ostrel_gui)
    endforeach()
endif()
