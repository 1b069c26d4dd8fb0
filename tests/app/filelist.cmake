# Tests of the file list parts of the window: they link the window library.
if(TARGET ostrel_gui)
    foreach(test tst_FileListModel tst_FolderExpander tst_SingleInstance)
        ostrel_add_test(${test} ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp)
        target_link_libraries(${test} PRIVATE ostrel_gui)
    endforeach()

    # A second launch, as its own process, for tst_SingleInstance.
    add_executable(forward_files ${CMAKE_CURRENT_LIST_DIR}/forward_files.cpp)
    target_link_libraries(forward_files PRIVATE ostrel_gui)
    target_compile_definitions(tst_SingleInstance PRIVATE
        OSTREL_FORWARD_FILES="$<TARGET_FILE:forward_files>")
    add_dependencies(tst_SingleInstance forward_files)
endif()

# The file list as the window shows it.
if(TARGET ostrel_gui)
    ostrel_add_test(tst_FileListWindow ${CMAKE_CURRENT_LIST_DIR}/tst_FileListWindow.cpp)
    target_link_libraries(tst_FileListWindow PRIVATE ostrel_gui)
endif()
