target_sources(talv_map PRIVATE JpegDecoder.cpp JpegDecoder.h)
