// Late-bound IDispatch calls: names are looked up with GetIDsOfNames on every call, which is all
// the few calls per conversion or match need.
#include "util/com_object_win.h"

#include <cstring>
#include <vector>

namespace taoke {

Variant::Variant(bool flag) {
  VariantInit(&value_);
  value_.vt = VT_BOOL;
  value_.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
}

Variant::Variant(long number) {
  VariantInit(&value_);
  value_.vt = VT_I4;
  value_.lVal = number;
}

Variant::Variant(std::u16string_view text) {
  VariantInit(&value_);
  value_.vt = VT_BSTR;
  value_.bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                     static_cast<UINT>(text.size()));
  if (value_.bstrVal == nullptr) value_.vt = VT_EMPTY;
}

Variant::Variant(ByteArray array) {
  VariantInit(&value_);
  SAFEARRAY* bytes = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(array.bytes.size()));
  if (bytes == nullptr) return;
  void* data = nullptr;
  if (FAILED(SafeArrayAccessData(bytes, &data))) {
    SafeArrayDestroy(bytes);
    return;
  }
  if (!array.bytes.empty()) memcpy(data, array.bytes.data(), array.bytes.size());
  SafeArrayUnaccessData(bytes);
  value_.vt = VT_ARRAY | VT_UI1;
  value_.parray = bytes;
}

std::optional<long> Variant::asLong() const {
  VARIANT converted;
  VariantInit(&converted);
  if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), 0, VT_I4))) return std::nullopt;
  return converted.lVal;
}

std::optional<std::u16string> Variant::asText() const {
  if (value_.vt != VT_BSTR) return std::nullopt;
  if (value_.bstrVal == nullptr) return std::u16string();
  return std::u16string(reinterpret_cast<const char16_t*>(value_.bstrVal), SysStringLen(value_.bstrVal));
}

IDispatch* Variant::takeDispatch() {
  if (value_.vt != VT_DISPATCH || value_.pdispVal == nullptr) return nullptr;
  IDispatch* dispatch = value_.pdispVal;
  dispatch->AddRef();
  return dispatch;
}

ComObject& ComObject::operator=(ComObject&& other) noexcept {
  if (this != &other) {
    if (dispatch_) dispatch_->Release();
    dispatch_ = other.dispatch_;
    other.dispatch_ = nullptr;
  }
  return *this;
}

ComObject::~ComObject() {
  if (dispatch_) dispatch_->Release();
}

ComObject ComObject::create(const wchar_t* programId) {
  CLSID classId;
  if (FAILED(CLSIDFromProgID(programId, &classId))) return {};
  IDispatch* dispatch = nullptr;
  if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&dispatch)))) {
    return {};
  }
  return ComObject(dispatch);
}

bool ComObject::put(const wchar_t* property, Variant& value) {
  return invoke(property, DISPATCH_PROPERTYPUT, {&value}, nullptr);
}

bool ComObject::get(const wchar_t* property, Variant& result) {
  return invoke(property, DISPATCH_PROPERTYGET, {}, &result);
}

bool ComObject::call(const wchar_t* member, std::initializer_list<Variant*> arguments, Variant* result) {
  return invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, arguments, result);
}

bool ComObject::invoke(const wchar_t* member, WORD kind, std::initializer_list<Variant*> arguments,
                       Variant* result) {
  if (!dispatch_) return false;
  DISPID memberId;
  auto* name = const_cast<LPOLESTR>(member);
  if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &memberId))) return false;
  // IDispatch takes its arguments last to first.
  std::vector<VARIANT> reversed;
  reversed.reserve(arguments.size());
  for (auto it = arguments.end(); it != arguments.begin();) reversed.push_back((*--it)->value());
  DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  DISPID namedPut = DISPID_PROPERTYPUT;
  if (kind == DISPATCH_PROPERTYPUT) {
    parameters.rgdispidNamedArgs = &namedPut;
    parameters.cNamedArgs = 1;
  }
  return SUCCEEDED(dispatch_->Invoke(memberId, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters,
                                     result ? result->get() : nullptr, nullptr, nullptr));
}

}  // namespace taoke
