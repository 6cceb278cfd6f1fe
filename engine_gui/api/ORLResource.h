#pragma once

// A counted object (image, font): remember adds a reference, forget drops one and destroys
// the object at zero. Main (UI) thread only.
class ORLResource
{
  public:
    virtual ~ORLResource() = default;
    virtual void remember() = 0;
    virtual void forget() = 0;
};

// The count itself, for implementations: starts at 1 for the creator's reference.
template <typename Interface> class ORLCounted : public Interface
{
  public:
    void remember() override { ++count; }
    void forget() override
    {
        if (--count <= 0)
            delete this;
    }
    int getReferenceCount() const { return count; }

  private:
    int count = 1;
};
