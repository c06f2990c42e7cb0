// The screen the editor dialogs work on: the focused screen, when it shows a scene.
#pragma once

class cBaseWidget;

// The application's focused screen as a scene screen; null without an application,
// without a focused screen, or when the focused screen holds no scene (a plain
// screen has no layers, selection or level name to edit).
cBaseWidget* FocusedSceneScreen();
