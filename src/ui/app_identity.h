#pragma once
// The program's name, desktop entry and icon, as the desktop sees them.

// Names the application and ties its windows to io.slidora.Slidora.desktop
// (the Wayland app id; on X11 the window class is the application name,
// which the entry's StartupWMClass repeats) and gives them the icon.
void setAppIdentity();
