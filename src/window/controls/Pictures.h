#pragma once

// Registers the tool's pictures (":/images/...", ":/led/...") with Qt's resource system.
// Needed where the code is linked from a static archive, which drops the otherwise
// unreferenced resource object; repeated calls are harmless.
void InitPictureResources();
