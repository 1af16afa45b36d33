#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "display/DrawingSurface.h"
#include "store/SpectrumStore.h"

namespace tavrelion::testing_support {

// A drawing surface that keeps every operation, so that the plot's geometry can be checked in
// numbers. Characters are 100 twips wide; a text line is 20 twips per point.
class RecordingSurface : public display::DrawingSurface {
  public:
    struct Operation {
        enum Kind { Fill, Text, Line } kind;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        std::string text;
        display::Colour colour = 0;
        int drawMode = 0;
        int drawStyle = 0;
        int drawWidth = 0;
    };

    RecordingSurface(double width, double height) : width_(width), height_(height) {}

    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }

    std::vector<Operation> texts() const { return only(Operation::Text); }
    std::vector<Operation> lines() const { return only(Operation::Line); }

    // The first text equal to text, if any.
    std::optional<Operation> findText(const std::string& text) const {
        for (const auto& operation : operations) {
            if (operation.kind == Operation::Text && operation.text == text) {
                return operation;
            }
        }
        return std::nullopt;
    }

    // One line per operation, as in tests/golden/plot-two-slots.txt: kind, position, colour (as
    // 0xBBGGRR), draw style, then the text or the draw width and mode.
    std::string transcript() const {
        std::string out;
        char buffer[160];
        for (const auto& op : operations) {
            if (op.kind == Operation::Text) {
                std::snprintf(buffer, sizeof buffer, "text %g %g %06x s%d ", op.x1, op.y1,
                              op.colour, op.drawStyle);
                out += buffer + op.text + "\n";
            } else {
                std::snprintf(buffer, sizeof buffer, "%s %g %g %g %g %06x s%d w%d m%d\n",
                              op.kind == Operation::Fill ? "fill" : "line", op.x1, op.y1, op.x2,
                              op.y2, op.colour, op.drawStyle, op.drawWidth, op.drawMode);
                out += buffer;
            }
        }
        return out;
    }

    std::vector<Operation> operations;

  protected:
    void fill(display::Colour colour) override {
        operations.push_back(
            {Operation::Fill, 0, 0, width_, height_, "", colour, DrawMode, DrawStyle, DrawWidth});
    }
    void drawText(double x, double y, const std::string& text) override {
        operations.push_back(
            {Operation::Text, x, y, x, y, text, ForeColor, DrawMode, DrawStyle, DrawWidth});
    }
    void drawSegment(double x1, double y1, double x2, double y2, display::Colour colour) override {
        operations.push_back(
            {Operation::Line, x1, y1, x2, y2, "", colour, DrawMode, DrawStyle, DrawWidth});
    }
    double textWidth(const std::string& text) const override {
        return 100.0 * static_cast<double>(text.size());
    }
    double lineHeight() const override { return FontSize() * 20; }

  private:
    std::vector<Operation> only(Operation::Kind kind) const {
        std::vector<Operation> found;
        for (const auto& operation : operations) {
            if (operation.kind == kind) {
                found.push_back(operation);
            }
        }
        return found;
    }

    double width_;
    double height_;
};

// Puts a spectrum into slot s as a load would: values at step from first, label, range.
inline void FillSlot(store::SpectrumStore& store, int s, int first, double step,
                     const std::vector<double>& values) {
    store.SlotFirstWavelength(s) = static_cast<store::Int16>(first);
    store.SlotStep(s) = step;
    store.SlotRawCount(s) = static_cast<store::Int16>(values.size());
    store.SlotLastWavelength(s) =
        static_cast<store::Int16>(first + static_cast<int>(step * (values.size() - 1)));
    double minimum = 0;
    double maximum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        store.SlotValue(static_cast<int>(i) + 1, s) = values[i];
        minimum = std::min(minimum, values[i]);
        maximum = std::max(maximum, values[i]);
    }
    store.SlotMin(s) = minimum;
    store.SlotMax(s) = maximum;
    store.SlotRange(s) = maximum - minimum;
    store.SlotLabel(s) = " " + std::to_string(s) + ")SLOT" + std::to_string(s) + ".ASC";
    store.SpectrumCount = store.CurrentSlot = static_cast<store::Int16>(s);
    store.SpectrumLoaded = 1;
    store.DisplayFirstWavelength = store.SlotFirstWavelength(s);
    store.DisplayLastWavelength = store.SlotLastWavelength(s);
    store.SpectrumWavelength(1) = store.SlotFirstWavelength(s);
}

}  // namespace tavrelion::testing_support
