# Pictures and icons compiled into ventoris_lib, reachable as ":/bilder/<file>".
# The JPEG and PNG files are drawn by tools/startbilder (see README.md here);
# Qt picks the "@2x" files by itself on a screen at 200 %.
qt_add_resources(ventoris_lib "ventoris_bilder"
    PREFIX "/bilder"
    BASE "${CMAKE_CURRENT_LIST_DIR}"
    FILES
        "${CMAKE_CURRENT_LIST_DIR}/image1.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/image2.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/image3.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/image4.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/image5.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/image7.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/ventoris.png"
        "${CMAKE_CURRENT_LIST_DIR}/image1@2x.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/image2@2x.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/image3@2x.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/image4@2x.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/image5@2x.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/image7@2x.jpg"
        "${CMAKE_CURRENT_LIST_DIR}/ventoris@2x.png")
