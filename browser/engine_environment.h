#pragma once
// What the browser engine needs before the application object exists.
//
// Chromium cannot start its sandbox as root (build and test machines run so), so the sandbox is
// switched off for that case only; a program run by a normal user keeps it. The engine also
// needs OpenGL contexts shared across the application.
void prepareBrowserEngine();
