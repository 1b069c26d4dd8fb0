# Widget tests of the main window; they link the window library.
if(TARGET ostrel_gui)
    ostrel_add_test(tst_OstrelController ${CMAKE_CURRENT_LIST_DIR}/tst_OstrelController.cpp)
    target_link_libraries(tst_OstrelController PRIVATE ostrel_gui)
endif()
