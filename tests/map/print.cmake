talv_add_test(tst_print_page SOURCES tst_print_page.cpp MapFixture.h LIBS talv_map)
# Reads the printed page back with poppler-utils (pdfinfo, pdfimages, pdftocairo).
talv_add_test(tst_print_pdf SOURCES tst_print_pdf.cpp MapFixture.h LIBS talv_map)
talv_add_test(tst_print_window SOURCES tst_print_window.cpp LIBS talv_map)
