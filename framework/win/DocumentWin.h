// The window layer's document duties (views, frames, the save prompt, Save
// As with the file dialog, the recent-file list) for every document.
#pragma once

// Installs them; the application object and every document template do
// this when they are made. Calling it again changes nothing.
void AfxInstallDocumentWindows();
