# Tests of the file list parts of the window: they link the window library.
if(TARGET ostrel_gui)
    ostrel_add_test(tst_FolderExpander ${CMAKE_CURRENT_LIST_DIR}/tst_FolderExpander.cpp)
    target_link_libraries(tst_FolderExpander PRIVATE ostrel_gui)
    ostrel_add_test(tst_SingleInstance ${CMAKE_CURRENT_LIST_DIR}/tst_SingleInstance.cpp)
    target_link_libraries(tst_SingleInstance PRIVATE ostrel_gui)
endif()
