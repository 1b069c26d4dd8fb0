# Batches started and stopped from the window, and the signal bridge that quits the
# application the orderly way. They link the window library.
if(TARGET ostrel_gui)
    ostrel_add_gui_test(tst_TerminationSignals)

    # The application's own main() once more, with a start-up function that clicks Resize,
    # so that a test can signal a real application process in the middle of its batch.
    add_executable(ostrel_autostart ${PROJECT_SOURCE_DIR}/src/app/main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/autostart_batch.cpp)
    target_link_libraries(ostrel_autostart PRIVATE ostrel_gui)

    ostrel_add_gui_test(tst_BatchFromWindow)
    target_compile_definitions(tst_BatchFromWindow PRIVATE
        OSTREL_AUTOSTART="$<TARGET_FILE:ostrel_autostart>")
    add_dependencies(tst_BatchFromWindow ostrel_autostart)
endif()
