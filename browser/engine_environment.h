#pragma once
// What the browser engine needs before the application object exists.
//
// Chromium cannot start its sandbox as root (build and test machines run so), so the sandbox is
// switched off for that case only; a program run by a normal user keeps it.
//
// The engine draws its pages in software and hands them to the window as pictures
// (drawPagesInSoftware). Composed through OpenGL instead, the engine's view would make the whole
// main window an OpenGL window: the OpenGL driver (with a software driver, a compiler library of
// many megabytes) would be loaded and set up before the window could go on screen, and every
// repaint of any widget would compose the whole window again. So nothing may load the driver
// before the window is up, which the engine's library would otherwise do as the application
// starts.
void prepareBrowserEngine();
