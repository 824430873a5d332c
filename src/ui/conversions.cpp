// Unit, circle and angle conversions: the mode shown by the readout and the commands.

#include "window/main_window.h"

#include "app/settings.h"

void CMainWindow::setConversionMode(int code)
{
    m_conversion = calc::conversionMode(code);
    g_settings.Unit = m_conversion.unit;
}
