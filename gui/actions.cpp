#include "gui/actions.h"

#include <algorithm>

#include "gui/application.h"

TActionLink::~TActionLink() { SetAction(nullptr); }

void TActionLink::SetAction(TAction* action) {
  if (action == action_) return;
  if (action_) {
    auto& links = action_->links_;
    links.erase(std::remove(links.begin(), links.end(), this), links.end());
  }
  action_ = action;
  if (action_) {
    action_->links_.push_back(this);
    if (client_->IsLoading()) {
      FillDefaults();
    } else {
      ownCaption_ = ownHint_ = false;
      ActionChanged();
    }
  }
}

void TActionLink::FillDefaults() {
  // What the form file gave the control itself wins over its action's, and keeps winning when
  // the action changes later (a "Shred" button running the action "粉碎选中的文件").
  ownCaption_ = !client_->Caption().empty() && client_->Caption() != action_->Caption();
  ownHint_ = !client_->Hint().empty() && client_->Hint() != action_->Hint();
  if (client_->Caption().empty()) client_->SetCaption(action_->Caption());
  if (client_->Hint().empty()) client_->SetHint(action_->Hint());
  if (client_->Enabled()) client_->SetEnabled(action_->Enabled());
  if (client_->Visible()) client_->SetVisible(action_->Visible());
  if (SetChecked && action_->Checked()) SetChecked(true);
}

void TActionLink::ActionChanged() {
  if (!action_) return;
  if (!ownCaption_) client_->SetCaption(action_->Caption());
  if (!ownHint_) client_->SetHint(action_->Hint());
  client_->SetEnabled(action_->Enabled());
  client_->SetVisible(action_->Visible());
  if (SetChecked) SetChecked(action_->Checked());
}

bool TActionLink::Execute() { return action_ && action_->Execute(); }

// ---------------------------------------------------------------------------------------------

const TClassInfo& TAction::StaticClass() {
  static const TClassInfo info(L"TAction", &TComponent::StaticClass(), &CreateInstance<TAction>,
                               {props::Str(L"Caption", &TAction::Caption, &TAction::SetCaption),
                                props::Str(L"Hint", &TAction::Hint, &TAction::SetHint),
                                props::Bool(L"Enabled", &TAction::Enabled, &TAction::SetEnabled),
                                props::Bool(L"Visible", &TAction::Visible, &TAction::SetVisible),
                                props::Bool(L"Checked", &TAction::Checked, &TAction::SetChecked),
                                props::Int(L"ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex),
                                props::Event(L"OnExecute", &TAction::OnExecute),
                                props::Event(L"OnUpdate", &TAction::OnUpdate)});
  return info;
}

TAction::TAction(TComponent* owner) : TComponent(owner) {}

TAction::~TAction() {
  SetActionList(nullptr);
  // Linked controls outlive their action: they keep their state and lose the link.
  for (TActionLink* link : std::vector<TActionLink*>(links_)) link->SetAction(nullptr);
}

bool TAction::SetParentComponent(TComponent* parent) {
  if (auto* list = dynamic_cast<TActionList*>(parent)) SetActionList(list);
  return true;
}

void TAction::SetActionList(TActionList* list) {
  if (list == list_) return;
  if (list_) {
    auto& actions = list_->actions_;
    actions.erase(std::remove(actions.begin(), actions.end(), this), actions.end());
  }
  list_ = list;
  if (list_) list_->actions_.push_back(this);
}

void TAction::Changed() {
  for (TActionLink* link : std::vector<TActionLink*>(links_)) link->ActionChanged();
}

void TAction::SetCaption(const std::wstring& value) {
  if (value == caption_) return;
  caption_ = value;
  Changed();
}

void TAction::SetHint(const std::wstring& value) {
  if (value == hint_) return;
  hint_ = value;
  Changed();
}

void TAction::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed();
}

void TAction::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed();
}

void TAction::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Changed();
}

void TAction::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Changed();
}

bool TAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

bool TAction::Execute() {
  Update();
  if (!enabled_ || !OnExecute) return false;
  OnExecute(this);
  return true;
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TActionList::StaticClass() {
  static const TClassInfo info(L"TActionList", &TComponent::StaticClass(), &CreateInstance<TActionList>, {});
  return info;
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) {
  Application->AddIdleHandler(this, [this] { UpdateActions(); });
}

TActionList::~TActionList() {
  Application->RemoveIdleHandler(this);
  for (TAction* action : std::vector<TAction*>(actions_)) action->SetActionList(nullptr);
}

void TActionList::UpdateActions() {
  for (TAction* action : std::vector<TAction*>(actions_)) action->Update();
}

// ---------------------------------------------------------------------------------------------

void RegisterActionClasses() {
  RegisterClass(TAction::StaticClass());
  RegisterClass(TActionList::StaticClass());
}
