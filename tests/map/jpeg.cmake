# The JPEG decoder; the sponsor picture from talv_pictures serves as a real-world sample.
talv_add_test(tst_jpeg_decoder SOURCES tst_jpeg_decoder.cpp LIBS talv_map talv_pictures)
