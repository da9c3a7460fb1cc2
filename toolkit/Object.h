#pragma once

#include <string>

namespace korvale {

// The root of the toolkit's classes. ClassName() is the toolkit class name ("TButton"),
// which is also the window class name of a windowed control; "is a" questions use C++
// types (dynamic_cast).
class TObject {
 public:
  virtual ~TObject() = default;
  virtual std::string ClassName() const { return "TObject"; }
};

}  // namespace korvale
