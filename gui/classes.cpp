#include "gui/classes.h"

#include <algorithm>

#include "base/exception.h"
#include "base/strings.h"

const TEnumInfo BooleanInfo{{L"False", L"True"}};

int TEnumInfo::IndexOf(const std::wstring& name) const {
  for (size_t i = 0; i < Names.size(); ++i)
    if (SameText(Names[i], name)) return static_cast<int>(i);
  return -1;
}

bool TIdentMap::ToInt(const std::wstring& ident, int& value) const {
  for (const auto& e : Entries)
    if (SameText(e.first, ident)) {
      value = e.second;
      return true;
    }
  return false;
}

TClassInfo::TClassInfo(const wchar_t* name, const TClassInfo* parent, TComponentFactory create,
                       std::vector<TPropInfo> props)
    : name_(name), parent_(parent), create_(create), props_(std::move(props)) {}

bool TClassInfo::InheritsFrom(const std::wstring& name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (SameText(c->name_, name)) return true;
  return false;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProp(const std::wstring& name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TPropInfo& p : c->props_)
      if (SameText(p.Name, name)) return &p;
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProps() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c; c = c->parent_) chain.push_back(c);
  std::vector<const TPropInfo*> result;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const TPropInfo& p : (*it)->props_) {
      // A descendant's property hides an ancestor's of the same name.
      auto same = [&](const TPropInfo* q) { return SameText(q->Name, p.Name); };
      result.erase(std::remove_if(result.begin(), result.end(), same), result.end());
      result.push_back(&p);
    }
  return result;
}

namespace {
std::vector<const TClassInfo*>& ClassRegistry() {
  static std::vector<const TClassInfo*> registry;
  return registry;
}
}  // namespace

void RegisterStandardClasses();  // standard_classes.cpp

void RegisterClass(const TClassInfo& info) {
  auto& registry = ClassRegistry();
  if (std::find(registry.begin(), registry.end(), &info) == registry.end()) registry.push_back(&info);
}

const TClassInfo* FindClass(const std::wstring& name) {
  for (const TClassInfo* c : RegisteredClasses())
    if (SameText(c->Name(), name)) return c;
  return nullptr;
}

std::vector<const TClassInfo*> RegisteredClasses() {
  static const bool standard = (RegisterStandardClasses(), true);
  (void)standard;
  return ClassRegistry();
}

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info(L"TObject", nullptr, nullptr, {});
  return info;
}

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo info(L"TPersistent", &TObject::StaticClass(), nullptr, {});
  return info;
}

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info(L"TComponent", &TPersistent::StaticClass(), nullptr,
                               {props::Str(L"Name", &TComponent::Name, &TComponent::SetName),
                                props::Int(L"Tag", &TComponent::Tag, &TComponent::SetTag)});
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->Insert(this);
}

TComponent::~TComponent() {
  Destroying();
  // Tell the others first, so no one keeps a pointer to a half-destroyed component.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    auto& back = other->freeNotifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->Remove(this);
}

void TComponent::Destroying() {
  state_.Include(TComponentStateFlag::csDestroying);
  if (untilDestroying_) *untilDestroying_ = false;
}

std::shared_ptr<const bool> TComponent::UntilDestroyingToken() const {
  if (!untilDestroying_) untilDestroying_ = std::make_shared<bool>(!IsDestroying());
  return untilDestroying_;
}

void TComponent::SetName(const std::wstring& name) {
  if (name == name_) return;
  if (!name.empty() && owner_) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this)
      throw Exception(L"A component named " + name + L" already exists");
  }
  name_ = name;
}

TComponent* TComponent::FindComponent(const std::wstring& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::Loaded() { state_.Exclude(TComponentStateFlag::csLoading); }

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end()) {
    freeNotifies_.push_back(other);
    other->freeNotifies_.push_back(this);
  }
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::DestroyComponents() {
  Destroying();
  while (!components_.empty()) {
    TComponent* c = components_.back();
    // The owned component removes itself from the list in its destructor.
    delete c;
  }
}

void TComponent::Insert(TComponent* c) {
  components_.push_back(c);
  c->owner_ = this;
  Notification(c, TOperation::opInsert);
}

void TComponent::Remove(TComponent* c) {
  components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
  c->owner_ = nullptr;
  if (!IsDestroying()) Notification(c, TOperation::opRemove);
}

const TClassInfo& TCollectionItem::StaticClass() {
  static const TClassInfo info(L"TCollectionItem", &TPersistent::StaticClass(), nullptr, {});
  return info;
}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

void TCollectionItem::Changed() {
  if (collection_) collection_->Changed(this);
}

const TClassInfo& TCollection::StaticClass() {
  static const TClassInfo info(L"TCollection", &TPersistent::StaticClass(), nullptr, {});
  return info;
}

TCollectionItem* TCollection::Insert(int index) {
  index = std::clamp(index, 0, Count());
  auto it = items_.insert(items_.begin() + index, factory_(this));
  Changed(nullptr);
  return it->get();
}

void TCollection::Delete(int index) {
  if (index < 0 || index >= Count()) throw Exception(L"List index out of bounds (" + IntToStr(index) + L")");
  items_.erase(items_.begin() + index);
  Changed(nullptr);
}

void TCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed(nullptr);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0 && pending_) {
    pending_ = false;
    if (OnUpdate) OnUpdate(nullptr);
  }
}

void TCollection::Changed(TCollectionItem* item) {
  if (updateCount_ > 0) {
    pending_ = true;
    return;
  }
  if (OnUpdate) OnUpdate(item);
}
