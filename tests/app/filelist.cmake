# Tests of the file list parts of the window, and of the file list as the window shows it.
foreach(test tst_FileListModel tst_FolderExpander tst_SingleInstance tst_FileListWindow)
    ostrel_add_gui_test(${test})
endforeach()

# A second launch, as its own process, for tst_SingleInstance.
if(TARGET ostrel_gui)
    add_executable(forward_files ${CMAKE_CURRENT_LIST_DIR}/forward_files.cpp)
    target_link_libraries(forward_files PRIVATE ostrel_gui)
    target_compile_definitions(tst_SingleInstance PRIVATE
        OSTREL_FORWARD_FILES="$<TARGET_FILE:forward_files>")
    add_dependencies(tst_SingleInstance forward_files)
endif()
