# Starting and stopping a batch from the window: the progress sheet and closing alert that
# receive the worker's calls, and the bridge that lets SIGTERM / SIGINT quit the application
# the orderly way. Included by gui.cmake once ostrel_gui exists.
target_sources(ostrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ProgressSheet.h ${CMAKE_CURRENT_LIST_DIR}/ProgressSheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TerminationSignals.h ${CMAKE_CURRENT_LIST_DIR}/TerminationSignals.cpp)
