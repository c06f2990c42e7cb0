-- The splash sequence shown at start: the studio picture, then the title picture,
-- each on black. Pictures are 1024 x 512, centred on the 1024 x 768 screen.
function FillSplash(splash)
  setSplashBackColor(splash, 0, 0, 0)

  local studio = addSplashNode(splash, 3.0)
  addSplashNodeImage(studio, "splash_studio", 0, 128, 1024, 512)

  local title = addSplashNode(splash, 3.0)
  addSplashNodeImage(title, "splash_title", 0, 128, 1024, 512)
end
