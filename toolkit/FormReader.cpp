#include "toolkit/FormReader.h"

#include <algorithm>
#include <map>

#include "toolkit/Exception.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/PageControl.h"
#include "toolkit/TypInfo.h"

namespace korvale {

namespace {

std::string Describe(const TComponent* component) {
  const std::string name = component->Name().empty() ? "(unnamed)" : component->Name();
  return name + ": " + component->ClassName();
}

class Reader {
 public:
  Reader(TComponent* root, const TClassInfo* rootClass) : root_(root), rootClass_(rootClass) {}

  void ReadRoot(const FormObject& description) {
    root_->SetLoading(true);
    if (!description.name.empty()) root_->SetName(description.name);
    ReadProperties(root_, *rootClass_, description);
    for (const FormObject& child : description.children) ReadChild(root_, child);
    ResolveReferences();
  }

  const std::vector<TComponent*>& ReadOrder() const { return order_; }

 private:
  struct Reference {
    TComponent* component;
    const TPropInfo* prop;
    const FormProperty* stored;
  };

  void ReadChild(TComponent* container, const FormObject& description) {
    const TClassInfo* info = FindClassInfo(description.className);
    if (!info) throw Exception("Class " + description.className + " not found");
    if (!info->Factory()) throw Exception("Class " + description.className + " cannot be created from a form description");
    if (!description.name.empty() && root_->FindComponent(description.name))
      throw Exception("A component named " + description.name + " already exists");
    TComponent* component = info->Factory()(root_);
    order_.push_back(component);
    component->SetLoading(true);
    if (!description.name.empty()) component->SetName(description.name);
    Place(container, component, description);
    ReadProperties(component, *info, description);
    for (const FormObject& child : description.children) ReadChild(component, child);
  }

  static void Place(TComponent* container, TComponent* component, const FormObject& description) {
    if (auto* item = dynamic_cast<TMenuItem*>(component)) {
      if (auto* parentItem = dynamic_cast<TMenuItem*>(container)) parentItem->Add(item);
      else if (auto* menu = dynamic_cast<TMenu*>(container)) menu->Items()->Add(item);
      else throw Exception("Menu item " + description.name + " is not inside a menu");
      return;
    }
    if (auto* sheet = dynamic_cast<TTabSheet*>(component)) {
      if (auto* pages = dynamic_cast<TPageControl*>(container)) {
        sheet->SetPageControl(pages);
        return;
      }
    }
    if (auto* control = dynamic_cast<TControl*>(component)) {
      if (auto* parent = dynamic_cast<TWinControl*>(container)) control->SetParent(parent);
    }
  }

  void ReadProperties(TComponent* component, const TClassInfo& info, const FormObject& description) {
    std::vector<const FormProperty*> defined;
    for (const FormProperty& stored : description.properties) {
      const TPropInfo* prop = info.FindProperty(stored.name);
      if (!prop) {
        if (stored.value.kind == FormValueKind::Binary) {
          defined.push_back(&stored);
          continue;
        }
        throw Exception("Property " + stored.name + " does not exist in class " + info.Name() + " (" +
                        Describe(component) + ")");
      }
      try {
        if (prop->kind == TTypeKind::tkMethod) BindEvent(component, *prop, stored);
        else if (prop->kind == TTypeKind::tkClass) references_.push_back(Reference{component, prop, &stored});
        else SetPropValue(component, *prop, stored.value);
      } catch (const Exception& e) {
        throw Exception("Error reading " + Describe(component) + "." + stored.name + ": " + e.Message());
      }
    }
    TReadFiler filer(defined);
    component->DefineProperties(filer);
    if (!filer.Left().empty()) {
      throw Exception("Property " + filer.Left().front()->name + " does not exist in class " + info.Name() + " (" +
                      Describe(component) + ")");
    }
  }

  void BindEvent(TComponent* component, const TPropInfo& prop, const FormProperty& stored) {
    if (stored.value.kind != FormValueKind::Identifier) throw Exception("an event takes a handler name");
    const THandlerInfo* handler = rootClass_->FindHandler(stored.value.text);
    if (!handler) throw Exception("the handler " + stored.value.text + " does not exist in class " + rootClass_->Name());
    if (!prop.eventType || handler->eventType != *prop.eventType)
      throw Exception("the handler " + stored.value.text + " does not fit the event " + prop.name);
    if (!handler->fits(root_)) throw Exception("the form is not a " + rootClass_->Name());
    handler->bind(root_, component, prop);
  }

  void ResolveReferences() {
    auto lookup = [this](const std::string& name) -> TComponent* {
      if (name == root_->Name()) return root_;
      return root_->FindComponent(name);
    };
    for (const Reference& r : references_) {
      try {
        SetPropValue(r.component, *r.prop, r.stored->value, lookup);
      } catch (const Exception& e) {
        throw Exception("Error reading " + Describe(r.component) + "." + r.stored->name + ": " + e.Message());
      }
    }
  }

  TComponent* root_;
  const TClassInfo* rootClass_;
  std::vector<TComponent*> order_;
  std::vector<Reference> references_;
};

// Where a component sits in the description: inside its parent control, menu item or menu.
TComponent* ContainerOf(TComponent* root, TComponent* component) {
  if (auto* item = dynamic_cast<TMenuItem*>(component)) {
    TMenuItem* parent = item->Parent();
    if (parent && parent->Parent()) return parent;
    if (parent) {
      TMenu* menu = item->GetParentMenu();
      if (menu && menu->Owner() == root) return menu;
    }
    return root;
  }
  if (auto* control = dynamic_cast<TControl*>(component)) {
    TWinControl* parent = control->Parent();
    if (parent && (parent == root || parent->Owner() == root)) return parent;
  }
  return root;
}

FormObject WriteObject(TComponent* root, const TClassInfo& rootClass, TComponent* component,
                       const std::map<TComponent*, std::vector<TComponent*>>& children) {
  const TClassInfo* info = ClassInfoOf(component);
  if (!info) throw Exception("Class " + component->ClassName() + " is not registered");
  FormObject object;
  object.className = component->ClassName();
  object.name = component->Name();
  for (const TPropInfo* prop : info->Properties()) {
    if (prop->kind == TTypeKind::tkMethod) {
      // An event is stored by the name of the root's handler it holds.
      if (const THandlerInfo* handler = rootClass.BoundHandler(root, component, *prop))
        object.properties.push_back(FormProperty{prop->name, FormValue::Ident(handler->name)});
      continue;
    }
    if (!IsStoredProp(component, *prop)) continue;
    object.properties.push_back(FormProperty{prop->name, GetPropValue(component, *prop)});
  }
  TWriteFiler filer(object.properties);
  component->DefineProperties(filer);
  auto it = children.find(component);
  if (it != children.end()) {
    for (TComponent* child : it->second) object.children.push_back(WriteObject(root, rootClass, child, children));
  }
  return object;
}

}  // namespace

void ReadComponent(TComponent* root, const FormObject& description) {
  const TClassInfo* rootClass = FindClassInfo(description.className);
  if (!rootClass) throw Exception("Class " + description.className + " not found");
  // The description names the root's own class or one derived from it (a form class whose
  // C++ type does not name itself).
  if (!rootClass->InheritsFrom(root->ClassName()))
    throw Exception("Class " + description.className + " does not describe a " + root->ClassName());
  Reader reader(root, rootClass);
  reader.ReadRoot(description);
  // A form finishes in AfterConstruction: Loaded in read order, then OnCreate.
  if (dynamic_cast<TForm*>(root)) return;
  for (TComponent* c : reader.ReadOrder()) c->Loaded();
  root->Loaded();
}

void ReadComponentStream(TComponent* root, const std::uint8_t* data, std::size_t size) {
  FormReadResult result = ReadFormStream(data, size);
  if (!result.ok()) throw Exception("Invalid form description: " + result.error);
  ReadComponent(root, result.root);
}

void ReadComponentResource(TComponent* root, const std::string& resourceName) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, resourceName.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) throw Exception("Resource " + resourceName + " not found");
  ReadComponentStream(root, static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found));
}

FormObject WriteComponent(TComponent* root) {
  std::map<TComponent*, std::vector<TComponent*>> children;
  for (TComponent* c : root->Components()) {
    if (!ClassInfoOf(c)) continue;  // helpers the form makes for itself are not described
    children[ContainerOf(root, c)].push_back(c);
  }
  // Menu items follow their position in the menu, not their creation order.
  for (auto& [container, list] : children) {
    std::stable_sort(list.begin(), list.end(), [](TComponent* a, TComponent* b) {
      auto* x = dynamic_cast<TMenuItem*>(a);
      auto* y = dynamic_cast<TMenuItem*>(b);
      if (!x || !y || x->Parent() != y->Parent()) return false;
      return x->MenuIndex() < y->MenuIndex();
    });
  }
  const TClassInfo* rootClass = ClassInfoOf(root);
  if (!rootClass) throw Exception("Class " + root->ClassName() + " is not registered");
  return WriteObject(root, *rootClass, root, children);
}

std::vector<std::uint8_t> WriteComponentStream(TComponent* root) {
  FormWriteResult result = WriteFormStream(WriteComponent(root));
  if (!result.ok()) throw Exception("Cannot write the form description: " + result.error);
  return std::move(result.bytes);
}

}  // namespace korvale
