#pragma once
// SIGTERM, SIGINT and SIGHUP close the main window as the user would, so the settings
// are written as on any close.

class QWidget;

void closeOnTerminationSignals(QWidget* window);
