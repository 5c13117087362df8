// Actions: a command with its caption, state and handlers, shared by the buttons (and menu
// items) linked to it, kept up to date by OnUpdate while the program is idle.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/classes.h"
#include "gui/controls.h"

class TAction;
class TActionList;

// What a control linked to an action takes from it. Controls that have an Action property hold
// one and forward their Click to it.
class TActionLink {
 public:
  explicit TActionLink(TControl* client) : client_(client) {}
  ~TActionLink();
  TActionLink(const TActionLink&) = delete;
  TActionLink& operator=(const TActionLink&) = delete;

  TAction* Action() const { return action_; }
  // Links (or unlinks, with nullptr) and copies the action's caption and states to the client;
  // while the client is read from its form file, only those the file left at their defaults.
  void SetAction(TAction* action);
  // Runs the action for a click of the client; false when there is no action or it is disabled.
  bool Execute();
  // The action changed: the client shows its caption and states again.
  void ActionChanged();
  // Called by a check box or radio button client so that it follows Checked.
  std::function<void(bool)> SetChecked;

 private:
  friend class TAction;
  void FillDefaults();
  TControl* client_;
  TAction* action_ = nullptr;
  // The form file gave the control a caption or hint of its own, which the action leaves alone.
  bool ownCaption_ = false, ownHint_ = false;
};

class TAction : public TComponent {
  QS_CLASS(TAction)

 public:
  explicit TAction(TComponent* owner);
  ~TAction() override;

  TActionList* ActionList() const { return list_; }
  void SetActionList(TActionList* list);
  // A form file nests actions in their list.
  bool SetParentComponent(TComponent* parent) override;

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& value);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);

  // OnUpdate first, then OnExecute when the action is (still) enabled. True when it ran.
  bool Execute();
  // Asks OnUpdate to set the state; false when there is no OnUpdate.
  bool Update();

  TNotifyEvent OnExecute, OnUpdate;

 private:
  friend class TActionLink;
  void Changed();

  TActionList* list_ = nullptr;
  std::vector<TActionLink*> links_;
  std::wstring caption_, hint_;
  bool enabled_ = true, visible_ = true, checked_ = false;
  int imageIndex_ = -1;
};

// Holds actions; while the program is idle it lets each action update itself.
class TActionList : public TComponent {
  QS_CLASS(TActionList)

 public:
  explicit TActionList(TComponent* owner);
  ~TActionList() override;

  int ActionCount() const { return static_cast<int>(actions_.size()); }
  TAction* Actions(int index) const { return actions_.at(index); }
  // Calls OnUpdate of every action (the idle loop does this).
  void UpdateActions();

 private:
  friend class TAction;
  std::vector<TAction*> actions_;
};

void RegisterActionClasses();
