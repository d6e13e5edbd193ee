#pragma once

#include "osmira/model/elem_grafico.h"

#include <memory>
#include <vector>

namespace osmira {

enum class ElementKind { Sheet, Cut, Letter };

inline constexpr int kEvenParity = 1;
inline constexpr int kOddParity = 2;

// A logical element of a diagram. Depth counts the cuts around it; parity is that of the
// area it lies in, or for a cut that of its interior. Children only refer to elements
// owned by the diagram's element list.
class CElemento {
  public:
    CElemento() = default;
    CElemento(std::unique_ptr<CElemGrafico> graphic, int parity, int depth);
    virtual ~CElemento() = default;
    CElemento(const CElemento&) = delete;
    CElemento& operator=(const CElemento&) = delete;

    virtual ElementKind kind() const = 0;
    virtual void AddChild(CElemento*) {}
    virtual void SetLetter(char) {}
    virtual char GetLetter() const { return ' '; }

    int GetDepth() const { return depth_; }
    int GetParity() const { return parity_; }
    CElemGrafico* GetGraphic() const { return graphic_.get(); }
    const std::vector<CElemento*>& GetChildren() const { return children_; }
    bool hasChild(const CElemento* element) const;

    // Filling an element read from a file.
    void SetDepth(int depth) { depth_ = depth; }
    void SetParity(int parity) { parity_ = parity; }
    void SetGraphic(std::unique_ptr<CElemGrafico> graphic) { graphic_ = std::move(graphic); }
    void clearChildren() { children_.clear(); }

  protected:
    int depth_ = 0;
    int parity_ = 0;
    std::unique_ptr<CElemGrafico> graphic_;
    std::vector<CElemento*> children_;
};

class CElemHoja : public CElemento {
  public:
    using CElemento::CElemento;
    ElementKind kind() const override { return ElementKind::Sheet; }
    void AddChild(CElemento* child) override { children_.push_back(child); }
};

class CElemCorte : public CElemento {
  public:
    using CElemento::CElemento;
    ElementKind kind() const override { return ElementKind::Cut; }
    void AddChild(CElemento* child) override { children_.push_back(child); }
};

class CElemLetra : public CElemento {
  public:
    using CElemento::CElemento;
    ElementKind kind() const override { return ElementKind::Letter; }
    void SetLetter(char letter) override;
    char GetLetter() const override { return letter_; }

  private:
    char letter_ = ' ';
};

} // namespace osmira
