target_sources(talv_map PRIVATE)
