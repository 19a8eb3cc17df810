#include "platform/desktop/GtkDialogs.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "platform/Error.h"

namespace platform {
namespace {

// GTK keeps its dialogs' settings (the file chooser's size, say) in the desktop's settings
// service, which it reaches over the session bus. Without a bus every write would print a
// warning, so the settings then live in memory for this run; a choice the user made stands.
void ChooseSettingsStore() {
  GError* error = nullptr;
  if (GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error)) {
    g_object_unref(bus);
    return;
  }
  g_error_free(error);
  g_setenv("GSETTINGS_BACKEND", "memory", FALSE);
}

void EnsureGtk() {
  static bool ready = false;
  if (ready) return;
  ChooseSettingsStore();
  if (gtk_init_check(nullptr, nullptr) == FALSE) throw Error("GTK cannot open the display");
  ready = true;
}

struct Answer {
  gint Response = GTK_RESPONSE_NONE;
  unsigned long Owner = 0;
};

void OnResponse(GtkDialog* dialog, gint response, gpointer data) {
  auto* answer = static_cast<Answer*>(data);
  answer->Response = response;
  if (answer->Owner == 0) return;
  // Keys typed right after the answer are the owner's: it takes the keyboard back now, not
  // once the dialog is gone and the window manager has chosen whom to focus.
  GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(dialog));
  GdkDisplay* display = gdk_window_get_display(window);
  gtk_widget_hide(GTK_WIDGET(dialog));
  gdk_x11_display_error_trap_push(display);
  XSetInputFocus(GDK_DISPLAY_XDISPLAY(display), answer->Owner, RevertToParent, CurrentTime);
  gdk_x11_display_error_trap_pop_ignored(display);
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

// GTK places and sizes windows in its own units, device pixels divided by its scale factor,
// which follows GDK_SCALE and so need not be ours.
TRect InGtkUnits(GtkWidget* dialog, const TRect& device) {
  gtk_widget_realize(dialog);
  const int factor = std::max(1, gtk_widget_get_scale_factor(dialog));
  return {device.Left / factor, device.Top / factor, device.Right / factor, device.Bottom / factor};
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

// Shows the dialog over its owner and iterates GTK until it answers, giving the caller's
// windows their turn between iterations; then destroys it.
void RunModal(GtkWidget* dialog, const GtkModal& modal) {
  Answer answer;
  answer.Owner = modal.Owner.XWindow;
  g_signal_connect(dialog, "response", G_CALLBACK(OnResponse), &answer);
  gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
  BelongTo(dialog, modal.Owner);
  PlaceOver(dialog, modal.Owner);
  gtk_widget_show_all(dialog);
  gtk_window_present_with_time(GTK_WINDOW(dialog),
                               gdk_x11_get_server_time(gtk_widget_get_window(dialog)));
  while (answer.Response == GTK_RESPONSE_NONE) {
    while (gtk_events_pending() != FALSE) gtk_main_iteration_do(FALSE);
    modal.KeepAlive();
    g_usleep(10'000);
  }
  gtk_widget_destroy(dialog);
  while (gtk_events_pending() != FALSE) gtk_main_iteration_do(FALSE);
}

GtkMessageType MessageType(MessageBoxKind kind) {
  switch (kind) {
    case MessageBoxKind::Error:
      return GTK_MESSAGE_ERROR;
    case MessageBoxKind::Warning:
      return GTK_MESSAGE_WARNING;
    case MessageBoxKind::Information:
      return GTK_MESSAGE_INFO;
    case MessageBoxKind::Custom:
      break;
  }
  return GTK_MESSAGE_OTHER;  // no icon
}

void AddFilters(GtkFileChooser* chooser, const FileDialogParams& params) {
  int index = 1;
  for (const auto& [description, patterns] : params.Filters) {
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, description.c_str());
    std::istringstream list(patterns);
    for (std::string pattern; std::getline(list, pattern, ';');) {
      if (!pattern.empty()) gtk_file_filter_add_pattern(filter, pattern.c_str());
    }
    gtk_file_chooser_add_filter(chooser, filter);
    if (index++ == params.FilterIndex) gtk_file_chooser_set_filter(chooser, filter);
  }
}

int ChosenFilterIndex(GtkFileChooser* chooser) {
  GtkFileFilter* chosen = gtk_file_chooser_get_filter(chooser);
  GSList* filters = gtk_file_chooser_list_filters(chooser);
  const int position = g_slist_index(filters, chosen);
  g_slist_free(filters);
  return position < 0 ? 1 : position + 1;
}

// A file chooser left to itself takes most of the screen; it gets a size like the tool's
// window unless the desktop remembers one the user gave it. The chooser asks for its own size
// whenever its default changes, so ours is asked for right after.
void OnChooserSized(GtkWidget*, gpointer dialog) {
  int width = 0, height = 0;
  gtk_window_get_default_size(GTK_WINDOW(dialog), &width, &height);
  gtk_window_resize(GTK_WINDOW(dialog), width, height);
}

void SizeFileDialog(GtkWidget* dialog, const DialogOwner& owner) {
  constexpr TSize Wanted{720, 480};
  gtk_widget_realize(dialog);
  int width = 0, height = 0;
  gtk_window_get_default_size(GTK_WINDOW(dialog), &width, &height);
  if (width > 0 && height > 0) return;
  const TRect area = InGtkUnits(dialog, owner.WorkArea);
  gtk_window_set_default_size(GTK_WINDOW(dialog), std::min(Wanted.cx, area.Width()),
                              std::min(Wanted.cy, area.Height()));
  GList* children =
      gtk_container_get_children(GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(dialog))));
  for (GList* child = children; child != nullptr; child = child->next) {
    if (GTK_IS_FILE_CHOOSER_WIDGET(child->data))
      g_signal_connect_after(child->data, "default-size-changed", G_CALLBACK(OnChooserSized),
                             dialog);
  }
  g_list_free(children);
}

// Reads the chosen name while the dialog still exists.
void OnFileResponse(GtkDialog* dialog, gint response, gpointer data) {
  if (response != GTK_RESPONSE_ACCEPT) return;
  auto* out = static_cast<std::optional<FileDialogResult>*>(data);
  gchar* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog));
  if (name != nullptr) *out = FileDialogResult{name, ChosenFilterIndex(GTK_FILE_CHOOSER(dialog))};
  g_free(name);
}

}  // namespace

int RunGtkMessageBox(const MessageBoxParams& params, const GtkModal& modal) {
  EnsureGtk();
  GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, MessageType(params.Kind),
                                             GTK_BUTTONS_OK, "%s", params.Text.c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), params.Caption.c_str());
  RunModal(dialog, modal);
  return IDOK;
}

std::optional<FileDialogResult> RunGtkFileDialog(const FileDialogParams& params,
                                                 const GtkModal& modal) {
  EnsureGtk();
  const bool save = params.Kind == FileDialogKind::Save;
  GtkWidget* dialog = gtk_file_chooser_dialog_new(
      params.Title.empty() ? (save ? "Save" : "Open") : params.Title.c_str(), nullptr,
      save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN, "_Cancel",
      GTK_RESPONSE_CANCEL, save ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
  AddFilters(chooser, params);
  gtk_file_chooser_set_current_folder(chooser, params.InitialDir.c_str());
  if (save) {
    gtk_file_chooser_set_current_name(chooser, params.FileName.c_str());
  } else if (!params.FileName.empty()) {
    const auto file = std::filesystem::path(params.InitialDir) / params.FileName;
    gtk_file_chooser_select_filename(chooser, file.c_str());
  }
  SizeFileDialog(dialog, modal.Owner);
  std::optional<FileDialogResult> result;
  g_signal_connect(dialog, "response", G_CALLBACK(OnFileResponse), &result);
  RunModal(dialog, modal);
  return result;
}

}  // namespace platform
