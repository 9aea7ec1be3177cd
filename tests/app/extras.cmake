# Tests of the About window, the sponsor window and the banners.
