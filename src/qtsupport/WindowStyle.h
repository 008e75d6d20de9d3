#pragma once
// The window's style: the desktop's, with room above a group box's title for the accents of
// capitals (Ü, Å), which the style otherwise draws partly above the box.

// Makes it the application's style; call once the application object exists.
void UseWindowStyle();
