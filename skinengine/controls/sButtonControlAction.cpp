#include "skinengine/controls/sButtonControl.h"

namespace sButtonControl {

using framework::TAction;

TsButtonActionLink::TsButtonActionLink(TsButtonControl& client, TAction& action)
    : client_(client),
      action_(&action),
      caption_(action.Caption()),
      checked_(action.Checked()),
      imageIndex_(action.ImageIndex()) {
  action.AddClient(&client, [this] { Changed(); });
}

TsButtonActionLink::~TsButtonActionLink() {
  if (action_) action_->RemoveClient(&client_);
}

// A caption that was the action's, and a down state that was its checked state, follow
// them; the image index always does. Then the button takes the whole action in.
void TsButtonActionLink::Changed() {
  const TAction& action = *action_;
  if (action.Caption() != caption_ && client_.Caption() == caption_)
    client_.SetCaption(action.Caption());
  if (action.Checked() != checked_ && client_.Down() == checked_) client_.SetDown(action.Checked());
  if (action.ImageIndex() != imageIndex_) client_.SetImageIndex(action.ImageIndex());
  caption_ = action.Caption();
  checked_ = action.Checked();
  imageIndex_ = action.ImageIndex();
  client_.ActionChange(action, false);
}

void TsButtonControl::SetAction(TAction* action) {
  if (action == Action()) return;
  if (Action()) Action()->RemoveFreeNotification(this);
  actionLink_.reset();
  if (!action) return;
  actionLink_ = std::make_unique<TsButtonActionLink>(*this, *action);
  action->FreeNotification(this);
  ActionChange(*action, action->ComponentState().Contains(framework::csLoading));
}

// Without checkDefaults the action's values win; with it, only where the button has none.
void TsButtonControl::ActionChange(const TAction& action, bool checkDefaults) {
  if (action.Caption() != Caption() && (!checkDefaults || Caption().empty()))
    SetCaption(action.Caption());
  if (action.Hint() != Hint() && (!checkDefaults || Hint().empty())) SetHint(action.Hint());
  if (!checkDefaults || Enabled()) SetEnabled(action.Enabled());
  if (!checkDefaults || Visible()) SetVisible(action.Visible());
}

}  // namespace sButtonControl
