// The object and component model: class names, ownership, names, loading state.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
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

  // Where a form file nests this component inside another (which need not be its owner):
  // controls take it as their Parent, menu items as their parent item, actions as their list.
  // False when it cannot go there; components that do not care stay where they are.
  virtual bool SetParentComponent(TComponent* parent) {
    (void)parent;
    return true;
  }
  // Reads true until this component starts being destroyed (csDestroying is set; see
  // TComponentRef). Controls also have UntilFreedToken(), which stays true while the
  // destructors run.
  std::shared_ptr<const bool> UntilDestroyingToken() const;

 protected:
  // Called on the owner (and on components asking FreeNotification) when a component
  // is inserted or removed. Descendants clear references they hold to a removed component.
  virtual void Notification(TComponent* component, TOperation operation);
  // Marks this component as destroying and frees every owned component, newest first.
  // Descendants call it at the start of their destructor so that owned components go
  // while the owner is still whole.
  void DestroyComponents();

 private:
  void Destroying();
  void Insert(TComponent* c);
  void Remove(TComponent* c);

  std::wstring name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  int tag_ = 0;
  TComponentState state_;
  mutable std::shared_ptr<bool> untilDestroying_;
};

// A reference to a component that knows when the component is gone. Code that pumps messages
// (any handler may free the component meanwhile) checks it after each pump before it touches
// the component again: it reads empty from the moment the component starts being destroyed.
template <class T>
class TComponentRef {
 public:
  TComponentRef() = default;
  TComponentRef(T* component)
      : component_(component), untilDestroying_(component ? component->UntilDestroyingToken() : nullptr) {}
  T* Get() const { return untilDestroying_ && *untilDestroying_ ? component_ : nullptr; }
  explicit operator bool() const { return Get() != nullptr; }
  T* operator->() const { return Get(); }

 private:
  T* component_ = nullptr;
  std::shared_ptr<const bool> untilDestroying_;
};

class TCollection;

// One entry of a collection (a list-view column, a status-bar panel): published properties
// like a component's, but owned by its collection and without a name.
class TCollectionItem : public TPersistent {
  QS_CLASS(TCollectionItem)

 public:
  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}

  TCollection* Collection() const { return collection_; }
  // The position in the collection.
  int Index() const;

 protected:
  // Tells the collection's owner that this item's look changed.
  void Changed();

 private:
  TCollection* collection_;
};

// An ordered list of items of one class, owned by a control. Form files fill it with
// "Columns = < item ... end item ... end >"; the owner hears of every change.
class TCollection : public TPersistent {
  QS_CLASS(TCollection)

 public:
  using TItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;
  TCollection(TItemFactory factory, TPersistent* owner) : factory_(std::move(factory)), owner_(owner) {}

  // The object the collection belongs to (a control), or nullptr.
  TPersistent* Owner() const { return owner_; }

  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const { return items_.at(index).get(); }
  TCollectionItem* Add() { return Insert(Count()); }
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  int IndexOf(const TCollectionItem* item) const;
  // Changes between these two reach the owner once, at the end.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

  // Called with the item whose look changed, or with nullptr when items were added or
  // removed (or several changed during an update).
  std::function<void(TCollectionItem* item)> OnUpdate;

 private:
  friend class TCollectionItem;
  void Changed(TCollectionItem* item);

  TItemFactory factory_;
  TPersistent* owner_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int updateCount_ = 0;
  bool pending_ = false;
};

// A collection of items of class T, with typed access.
template <class T>
class TTypedCollection : public TCollection {
 public:
  explicit TTypedCollection(TPersistent* owner)
      : TCollection([](TCollection* c) { return std::make_unique<T>(c); }, owner) {}
  T* Add() { return static_cast<T*>(TCollection::Add()); }
  T* Insert(int index) { return static_cast<T*>(TCollection::Insert(index)); }
  T* Items(int index) const { return static_cast<T*>(TCollection::Items(index)); }
};
