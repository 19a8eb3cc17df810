#include "platform/desktop/GtkDialogs.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "platform/Error.h"
#include "platform/desktop/GtkModal.h"

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

// The name a save dialog offers (the last one saved) is selected whole, so that a name typed
// over it replaces it as typed; the dialog itself selects only the part before the extension,
// and "c.txt" typed over "a.txt" would become "c.txt.txt".
void SelectWholeName(GtkWidget* dialog, gpointer) {
  GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(dialog));
  if (focus != nullptr && GTK_IS_ENTRY(focus))
    gtk_editable_select_region(GTK_EDITABLE(focus), 0, -1);
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

std::string GtkDisplayText(std::string_view text) {
  gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
  std::string shown(valid);
  g_free(valid);
  return shown;
}

int RunGtkMessageBox(const MessageBoxParams& params, const GtkModal& modal) {
  EnsureGtk();
  const bool question = params.Buttons == MessageBoxButtons::YesNo;
  GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, MessageType(params.Kind),
                                             question ? GTK_BUTTONS_YES_NO : GTK_BUTTONS_OK, "%s",
                                             GtkDisplayText(params.Text).c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), GtkDisplayText(params.Caption).c_str());
  const gint response = RunGtkModal(dialog, modal);
  if (!question) return IDOK;
  return response == GTK_RESPONSE_YES ? IDYES : IDNO;
}

std::optional<FileDialogResult> RunGtkFileDialog(const FileDialogParams& params,
                                                 const GtkModal& modal) {
  EnsureGtk();
  const bool save = params.Kind == FileDialogKind::Save;
  const GtkFileChooserAction action = save ? GTK_FILE_CHOOSER_ACTION_SAVE
                                      : params.Kind == FileDialogKind::Folder
                                          ? GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER
                                          : GTK_FILE_CHOOSER_ACTION_OPEN;
  GtkWidget* dialog = gtk_file_chooser_dialog_new(
      params.Title.empty() ? (save ? "Save" : "Open") : params.Title.c_str(), nullptr, action,
      "_Cancel", GTK_RESPONSE_CANCEL, save ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  // A dialog with a question of its own asks it about the name the extension completes.
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, params.OverwriteQuestion.empty());
  AddFilters(chooser, params);
  gtk_file_chooser_set_current_folder(chooser, params.InitialDir.c_str());
  if (save) {
    gtk_file_chooser_set_current_name(chooser, params.FileName.c_str());
    g_signal_connect_after(dialog, "map", G_CALLBACK(SelectWholeName), nullptr);
  } else if (!params.FileName.empty()) {
    const auto file = std::filesystem::path(params.InitialDir) / params.FileName;
    gtk_file_chooser_select_filename(chooser, file.c_str());
  }
  SizeFileDialog(dialog, modal.Owner);
  std::optional<FileDialogResult> result;
  g_signal_connect(dialog, "response", G_CALLBACK(OnFileResponse), &result);
  RunGtkModal(dialog, modal);
  return result;
}

}  // namespace platform
