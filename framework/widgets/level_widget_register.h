// RegisterLevelScreen: makes the level screen, gives it its hint pop-up style and
// hands it to the engine core under the name "level". The application calls it
// while it creates its screens.
#pragma once

class cLevelWidget;

// The new screen (owned by the engine core when there is one).
cLevelWidget* RegisterLevelScreen();
