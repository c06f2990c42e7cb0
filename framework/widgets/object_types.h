// The start-up registration of the framework's object classes that are not built
// into the object factory's table (the level screen's, the map's, the
// achievements' and the comics'). The application calls it once before any level
// is loaded.
#pragma once

void RegisterFrameworkObjectTypes();
