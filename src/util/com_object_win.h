// A script component (COM automation object) driven by name through IDispatch, as the script
// objects "VBScript.RegExp" and "Adodb.Stream" are used: create by program id, read and set
// properties, call methods. Windows only; every failure is a false or empty result.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace taoke {

// Raw bytes to be passed as a byte array (VT_ARRAY | VT_UI1).
struct ByteArray {
  std::string_view bytes;
};

// A VARIANT that clears itself.
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  explicit Variant(bool flag);
  explicit Variant(long number);
  explicit Variant(std::u16string_view text);
  explicit Variant(ByteArray array);
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { VariantClear(&value_); }

  VARIANT* get() { return &value_; }
  const VARIANT& value() const { return value_; }
  std::optional<long> asLong() const;
  // The text of a string value; std::nullopt for an empty or non-text value.
  std::optional<std::u16string> asText() const;
  // The object of an IDispatch value, with its own reference; null otherwise.
  IDispatch* takeDispatch();

 private:
  VARIANT value_;
};

class ComObject {
 public:
  ComObject() = default;
  explicit ComObject(IDispatch* dispatch) : dispatch_(dispatch) {}  // takes the reference
  ComObject(ComObject&& other) noexcept : dispatch_(other.dispatch_) { other.dispatch_ = nullptr; }
  ComObject& operator=(ComObject&& other) noexcept;
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;
  ~ComObject();

  // An empty object when the program id is not registered or the object cannot be made.
  static ComObject create(const wchar_t* programId);

  explicit operator bool() const { return dispatch_ != nullptr; }
  bool put(const wchar_t* property, Variant& value);
  bool get(const wchar_t* property, Variant& result);
  // A method call or an indexed property read (Item(i)); arguments in their natural order.
  bool call(const wchar_t* member, std::initializer_list<Variant*> arguments, Variant* result = nullptr);

 private:
  bool invoke(const wchar_t* member, WORD kind, std::initializer_list<Variant*> arguments, Variant* result);
  IDispatch* dispatch_ = nullptr;
};

// COM is started on the calling thread for the lifetime of this object (apartment-threaded, as
// the script components expect); nested starts are allowed.
class ComApartment {
 public:
  ComApartment() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (started_) CoUninitialize();
  }

 private:
  bool started_;
};

}  // namespace taoke
