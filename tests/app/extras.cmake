# Tests of the About window, the sponsor window and the banners.
talv_add_test(tst_about SOURCES tst_about.cpp LIBS talv_app)
talv_add_test(tst_sponsor SOURCES tst_sponsor.cpp ModalWatcher.h LIBS talv_app)

# The banners follow the main window's whole start-up, which runs on a copy of
# the application data.
talv_add_app_test(tst_banners)
