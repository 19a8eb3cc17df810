#include "platform/desktop/GtkModal.h"

#include <gdk/gdkx.h>

#include <algorithm>

namespace platform {
namespace {

struct Answer {
  gint Response = GTK_RESPONSE_NONE;
  unsigned long Owner = 0;
};

void OnResponse(GtkDialog* dialog, gint response, gpointer data) {
  auto* answer = static_cast<Answer*>(data);
  answer->Response = response;
  if (answer->Owner == 0) return;
  // Keys typed right after the answer are the owner's: it takes the keyboard back now, not
  // once the dialog is gone and the window manager has chosen whom to focus. The round trip
  // brings in every key the dialog was sent before that, so none arrives after it is destroyed.
  GdkDisplay* display = gtk_widget_get_display(GTK_WIDGET(dialog));
  Display* xdisplay = GDK_DISPLAY_XDISPLAY(display);
  gdk_x11_display_error_trap_push(display);
  XSetInputFocus(xdisplay, answer->Owner, RevertToParent, CurrentTime);
  XSync(xdisplay, False);
  gdk_x11_display_error_trap_pop_ignored(display);
}

// Keys that reached the dialog after it had answered, typed before the owner had the keyboard
// back, are passed on to the owner as they were typed. (A hidden dialog would drop them, so it
// stays up until it is destroyed.)
gboolean OnKeyAfterAnswer(GtkWidget* dialog, GdkEventKey* key, gpointer data) {
  const auto* answer = static_cast<const Answer*>(data);
  if (answer->Response == GTK_RESPONSE_NONE || answer->Owner == 0) return FALSE;
  GdkDisplay* display = gtk_widget_get_display(dialog);
  Display* xdisplay = GDK_DISPLAY_XDISPLAY(display);
  XEvent event{};
  event.xkey.type = key->type == GDK_KEY_PRESS ? KeyPress : KeyRelease;
  event.xkey.display = xdisplay;
  event.xkey.window = answer->Owner;
  event.xkey.root = DefaultRootWindow(xdisplay);
  event.xkey.time = key->time;
  event.xkey.state = key->state;
  event.xkey.keycode = key->hardware_keycode;
  event.xkey.same_screen = True;
  gdk_x11_display_error_trap_push(display);
  XSendEvent(xdisplay, answer->Owner, True,
             key->type == GDK_KEY_PRESS ? KeyPressMask : KeyReleaseMask, &event);
  gdk_x11_display_error_trap_pop_ignored(display);
  return TRUE;
}

// A dialog that is a transient of the focused window and carries a fresh user time is one
// the window manager gives the keyboard to; without them it may refuse, and keys typed at the
// dialog go to the window behind it.
void BelongTo(GtkWidget* dialog, const DialogOwner& owner) {
  gtk_widget_realize(dialog);
  GdkWindow* window = gtk_widget_get_window(dialog);
  if (owner.XWindow != 0) {
    if (GdkWindow* parent =
            gdk_x11_window_foreign_new_for_display(gdk_window_get_display(window), owner.XWindow)) {
      gdk_window_set_transient_for(window, parent);
      g_object_unref(parent);
    }
  }
  gdk_x11_window_set_user_time(window, gdk_x11_get_server_time(window));
}

// Centred over the owner, and inside the work area.
void PlaceOver(GtkWidget* dialog, const DialogOwner& owner) {
  int width = 0, height = 0;
  gtk_window_get_default_size(GTK_WINDOW(dialog), &width, &height);
  if (width <= 0 || height <= 0) {
    GtkRequisition natural;
    gtk_widget_get_preferred_size(dialog, nullptr, &natural);
    width = natural.width;
    height = natural.height;
  }
  const TRect area = InGtkUnits(dialog, owner.WorkArea);
  const TRect over = InGtkUnits(dialog, owner.Bounds);
  const int x = std::clamp(over.Left + (over.Width() - width) / 2, area.Left,
                           std::max(area.Left, area.Right - width));
  const int y = std::clamp(over.Top + (over.Height() - height) / 2, area.Top,
                           std::max(area.Top, area.Bottom - height));
  gtk_window_move(GTK_WINDOW(dialog), x, y);
}

}  // namespace

gint RunGtkModal(GtkWidget* dialog, const GtkModal& modal) {
  const DialogOwner& owner = modal.Owner;
  Answer answer;
  answer.Owner = owner.XWindow;
  g_signal_connect(dialog, "response", G_CALLBACK(OnResponse), &answer);
  // Closing it (Escape, the title's close button) is an answer too; the dialog stays ours
  // to destroy.
  g_signal_connect(dialog, "delete-event", G_CALLBACK(gtk_true), nullptr);
  g_signal_connect(dialog, "key-press-event", G_CALLBACK(OnKeyAfterAnswer), &answer);
  g_signal_connect(dialog, "key-release-event", G_CALLBACK(OnKeyAfterAnswer), &answer);
  gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
  BelongTo(dialog, owner);
  PlaceOver(dialog, owner);
  gtk_widget_show_all(dialog);
  gtk_window_present_with_time(GTK_WINDOW(dialog),
                               gdk_x11_get_server_time(gtk_widget_get_window(dialog)));
  // Once it has answered, what reaches our windows is input for them again and must not be
  // dropped as KeepAlive drops it.
  for (;;) {
    while (gtk_events_pending() != FALSE) gtk_main_iteration_do(FALSE);
    if (answer.Response != GTK_RESPONSE_NONE) break;
    modal.KeepAlive();
    g_usleep(10'000);
  }
  gtk_widget_destroy(dialog);
  while (gtk_events_pending() != FALSE) gtk_main_iteration_do(FALSE);
  return answer.Response;
}

// GTK's scale factor follows GDK_SCALE and so need not be ours.
TRect InGtkUnits(GtkWidget* dialog, const TRect& device) {
  gtk_widget_realize(dialog);
  const int factor = std::max(1, gtk_widget_get_scale_factor(dialog));
  return {device.Left / factor, device.Top / factor, device.Right / factor, device.Bottom / factor};
}

}  // namespace platform
