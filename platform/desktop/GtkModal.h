#pragma once

#include <gtk/gtk.h>

#include "platform/desktop/GtkDialogs.h"

namespace platform {

// Shows a GTK dialog modally over its owner, centred on it, with the keyboard, and iterates
// GTK until it answers, calling the modal's KeepAlive between iterations until then; then
// destroys the dialog and answers its response. The owner takes the keyboard back the moment the
// dialog answers, and keys typed at the dialog after that are passed on to it.
gint RunGtkModal(GtkWidget* dialog, const GtkModal& modal);

// A rectangle in device pixels in the units GTK places and sizes the dialog's windows in.
TRect InGtkUnits(GtkWidget* dialog, const TRect& device);

}  // namespace platform
