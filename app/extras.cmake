target_sources(talv_app PRIVATE
  ClickableLabel.cpp ClickableLabel.h
  DesktopShell.cpp DesktopShell.h
  MakerLinks.h
  BannerRotation.cpp BannerRotation.h
  TAboutBox.cpp TAboutBox.h
  TForm6.cpp TForm6.h
)
