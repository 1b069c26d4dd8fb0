# The window: every window class lives in the static library ostrel_gui, which the application
# and the widget tests link; the executable adds only main().
add_library(ostrel_gui STATIC
    OstrelController.h OstrelController.cpp
    MainWindow.ui ProgressPanel.ui
    ColorWell.h ColorWell.cpp
    QualitySlider.h QualitySlider.cpp
    Stepper.h Stepper.cpp
    ${PROJECT_SOURCE_DIR}/resources/ostrel.qrc)
set_target_properties(ostrel_gui PROPERTIES AUTORCC ON)
target_link_libraries(ostrel_gui PUBLIC ostrel_core Qt6::Widgets Qt6::Network)
target_compile_definitions(ostrel_gui PUBLIC OSTREL_VERSION="${PROJECT_VERSION}")

# The file list's classes (model, drop-aware view, single-instance server, folder scanner).
include(${CMAKE_CURRENT_LIST_DIR}/filelist.cmake OPTIONAL)

add_executable(ostrel main.cpp)
target_link_libraries(ostrel PRIVATE ostrel_gui)
install(TARGETS ostrel)
include(${CMAKE_CURRENT_LIST_DIR}/batchwindow.cmake OPTIONAL)
