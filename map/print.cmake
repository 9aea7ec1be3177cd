target_sources(talv_map PRIVATE
  TForm11.cpp TForm11.h
  TForm12.cpp TForm12.h
  TForm13.cpp TForm13.h
)
