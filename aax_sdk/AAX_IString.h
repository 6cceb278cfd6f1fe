#pragma once

#include <string>

// A text the plug-in fills for the host. Thread of the call that hands it over.
class AAX_IString
{
  public:
    virtual void Set(const char* text) = 0;
    virtual const char* Get() const = 0;

  protected:
    ~AAX_IString() = default;
};

// The plain implementation both sides use.
class AAX_CString final : public AAX_IString
{
  public:
    AAX_CString() = default;
    explicit AAX_CString(const char* text) : text(text != nullptr ? text : "") {}
    void Set(const char* value) override { text = value != nullptr ? value : ""; }
    const char* Get() const override { return text.c_str(); }
    const std::string& str() const { return text; }

  private:
    std::string text;
};
