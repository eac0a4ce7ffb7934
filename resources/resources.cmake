# Pictures and icons compiled into ventoris_lib, reachable as ":/bilder/<file>".
# The JPEG and PNG files are drawn by tools/startbilder (see README.md here).
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
        "${CMAKE_CURRENT_LIST_DIR}/ventoris.png")
