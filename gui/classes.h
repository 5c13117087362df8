// The object and component model: class names, ownership, names, loading state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/type_info.h"

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  const std::wstring& ClassName() const { return ClassType().Name(); }
  // The is-a test by class name (letter case ignored), as the skin engine walks class chains.
  bool InheritsFrom(const std::wstring& className) const { return ClassType().InheritsFrom(className); }
};

class TPersistent : public TObject {
  QS_CLASS(TPersistent)
};

enum class TComponentStateFlag { csLoading, csReading, csDestroying };
using TComponentState = TSet<TComponentStateFlag>;
enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
  QS_CLASS(TComponent)

 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  const std::wstring& Name() const { return name_; }
  virtual void SetName(const std::wstring& name);
  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index); }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  // The owned component with that name (letter case ignored), or nullptr.
  TComponent* FindComponent(const std::wstring& name) const;

  TComponentState ComponentState() const { return state_; }
  bool IsLoading() const { return state_.Contains(TComponentStateFlag::csLoading); }
  bool IsDestroying() const { return state_.Contains(TComponentStateFlag::csDestroying); }
  // Marks the start of reading from a form; Loaded() ends it.
  void BeginLoading() { state_.Include(TComponentStateFlag::csLoading); }
  // Runs once the whole form has been read.
  virtual void Loaded();

  // Other components that want to hear when this one goes away (besides its owner).
  void FreeNotification(TComponent* other);

 protected:
  // Called on the owner (and on components asking FreeNotification) when a component
  // is inserted or removed. Descendants clear references they hold to a removed component.
  virtual void Notification(TComponent* component, TOperation operation);
  // Marks this component as destroying and frees every owned component, newest first.
  // Descendants call it at the start of their destructor so that owned components go
  // while the owner is still whole.
  void DestroyComponents();

 private:
  void Destroying() { state_.Include(TComponentStateFlag::csDestroying); }
  void Insert(TComponent* c);
  void Remove(TComponent* c);

  std::wstring name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  int tag_ = 0;
  TComponentState state_;
};
