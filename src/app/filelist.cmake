# The file list of the main window: its model over the image list and its view, the walk
# through dropped folders, the hand-over of files from a second launch, and the files that
# make the application known to the desktop. Included by gui.cmake once ostrel_gui exists.
target_sources(ostrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FileListModel.h ${CMAKE_CURRENT_LIST_DIR}/FileListModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileTableView.h ${CMAKE_CURRENT_LIST_DIR}/FileTableView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FolderExpander.h ${CMAKE_CURRENT_LIST_DIR}/FolderExpander.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.h ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.cpp)
# QLocalServer / QLocalSocket.
target_link_libraries(ostrel_gui PUBLIC Qt6::Network)

include(GNUInstallDirs)
set(OSTREL_RESOURCES_DIR ${CMAKE_CURRENT_LIST_DIR}/../../resources)
install(FILES ${OSTREL_RESOURCES_DIR}/ostrel.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${OSTREL_RESOURCES_DIR}/icons/ostrel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${OSTREL_RESOURCES_DIR}/icons/ostrel-256.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME ostrel.png)
install(FILES ${OSTREL_RESOURCES_DIR}/io.github.ostrel.Ostrel.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
