#pragma once

#include "osmira/model/canvas.h"
#include "osmira/model/element_appearance.h"
#include "osmira/model/geometry.h"

#include <array>
#include <cstdint>
#include <string>

namespace osmira {

// The drawn counterpart of a logical element: its rectangle, appearance and mark.
class CElemGrafico {
  public:
    CElemGrafico() = default;
    CElemGrafico(const Rect& rect, const ElementAppearance& appearance);
    virtual ~CElemGrafico() = default;
    CElemGrafico(const CElemGrafico&) = delete;
    CElemGrafico& operator=(const CElemGrafico&) = delete;

    // The class name under which the archive stores the graphic.
    virtual const char* className() const = 0;

    virtual void Draw(Canvas& canvas) const;
    virtual void Redraw(Canvas& canvas) const { Draw(canvas); }
    virtual bool HitTest(int x, int y) const;
    virtual void DrawHighlighted(Canvas& canvas) const;
    virtual void SetLetter(char letter);

    Point GetTopLeft() const { return topLeft_; }
    Point GetBottomRight() const { return bottomRight_; }
    Rect GetRect() const { return {topLeft_.x, topLeft_.y, bottomRight_.x, bottomRight_.y}; }
    ElementAppearance GetAppearance() const { return appearance_; }
    void SetAppearance(const ElementAppearance& appearance) { appearance_ = appearance; }
    void Mark() { marked_ = 1; }
    void Unmark() { marked_ = 0; }
    bool isMarked() const { return marked_ != 0; }

    // Restoring a graphic from a file.
    void SetCorners(Point topLeft, Point bottomRight);
    std::int32_t GetMarkedWord() const { return marked_; }
    void SetMarkedWord(std::int32_t marked) { marked_ = marked; }

  protected:
    Colour currentFill() const { return isMarked() ? appearance_.markedFillColor : appearance_.fillColor; }
    bool rectangleContains(int x, int y) const;
    using Shape = void (Canvas::*)(const Rect&);
    void paintOutlined(Canvas& canvas, Colour fill, Shape shape) const;

    ElementAppearance appearance_;
    Point topLeft_;
    Point bottomRight_;
    std::int32_t marked_ = 0;
};

class CHojaGrafico : public CElemGrafico {
  public:
    using CElemGrafico::CElemGrafico;
    const char* className() const override { return "CHojaGrafico"; }
    void Draw(Canvas& canvas) const override;
    bool HitTest(int x, int y) const override { return rectangleContains(x, y); }
    void DrawHighlighted(Canvas& canvas) const override;
};

class CCorteGrafico : public CElemGrafico {
  public:
    CCorteGrafico() = default;
    // Places the foci of the ellipse inscribed in the rectangle.
    CCorteGrafico(const Rect& rect, const ElementAppearance& appearance);
    const char* className() const override { return "CCorteGrafico"; }
    void Draw(Canvas& canvas) const override;
    bool HitTest(int x, int y) const override;
    void DrawHighlighted(Canvas& canvas) const override;

    // focus1 x, focus1 y, focus2 x, focus2 y.
    using Foci = std::array<double, 4>;
    const Foci& GetFoci() const { return foci_; }
    void SetFoci(const Foci& foci) { foci_ = foci; }

  private:
    Foci foci_{};
};

class CLetraGrafico : public CElemGrafico {
  public:
    using CElemGrafico::CElemGrafico;
    const char* className() const override { return "CLetraGrafico"; }
    void Draw(Canvas& canvas) const override;
    bool HitTest(int x, int y) const override { return rectangleContains(x, y); }
    void DrawHighlighted(Canvas& canvas) const override;
    void SetLetter(char letter) override { text_.insert(text_.begin(), letter); }

  private:
    void paintLetter(Canvas& canvas, Colour fill) const;

    std::string text_;
};

} // namespace osmira
