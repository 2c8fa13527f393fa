#pragma once

class QObject;
class QWidget;

// What screen readers get from the window's own controls, through Qt's accessibility
// interfaces: the battery gauge as a value with its range, the LED with its state, the
// choice boxes named by what they choose (their entry is their value), the title bar, and the
// window and group boxes without the pictures that only decorate. Installs these once; later
// calls do nothing.
void InstallAccessibleControls();

// A picture or line that only decorates: left out of the accessibility tree of its parent.
void MarkAsDecoration(QWidget& widget);
bool IsDecoration(const QObject* object);
