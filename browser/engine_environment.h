#pragma once
// What the browser engine needs before the application object exists.
//
// Chromium cannot start its sandbox as root (build and test machines run so), so the sandbox is
// switched off for that case only; a program run by a normal user keeps it.
//
// Pages are drawn in software and handed to the window as pictures unless openGlPages asks for
// them to be composed through OpenGL (the command line's --opengl). With OpenGL the engine's view
// makes the whole main window an OpenGL window, and the context the engine shares its pictures
// through is made as the application starts, loading the OpenGL driver before the window can go
// on screen; bench/drawing measures what each way costs when scrolling a long page.
void prepareBrowserEngine(bool openGlPages);
