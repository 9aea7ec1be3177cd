target_sources(talv_app PRIVATE
  TAboutBox.cpp TAboutBox.h
  TForm6.cpp TForm6.h
)
