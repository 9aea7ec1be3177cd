target_sources(talv_map PRIVATE
  PageIcon.cpp PageIcon.h
  PageLayout.cpp PageLayout.h
  PagePicture.cpp PagePicture.h
  PageWindow.cpp PageWindow.h
  PrintPage.cpp PrintPage.h
  TForm11.cpp TForm11.h
  TForm12.cpp TForm12.h
  TForm13.cpp TForm13.h
)
