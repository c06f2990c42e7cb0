// The path grid of the game's levels: its two axes (turned -15 and 45 degrees from
// the x axis), the cell size and the level area the grid covers. The level screen,
// the test stand-in's skewed grid and the level tool all take them from here.
#pragma once
#include "framework/objects/grid_geometry.h"
#include "framework/objects/vec2.h"

constexpr float kLevelGridAxisXDegrees = -15.0f;
constexpr float kLevelGridAxisYDegrees = 45.0f;
constexpr float kLevelGridCellSize = 48.0f;
constexpr float kLevelAreaWidth = 1024.0f;
constexpr float kLevelAreaHeight = 768.0f;

// The two axes as unit vectors (each normalised; a length too short for a direction
// gives (0, 0)).
void LevelGridAxes(vec2& axisX, vec2& axisY);
// The whole grid: those axes and cells fitted to the level area, as the level tool
// lays it out and its pictures are painted.
GridGeometry LevelGridGeometry();
