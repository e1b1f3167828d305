#pragma once
// A feature's part of the session window: its menu items, its notices, its lines. The application
// makes the parts (SessionWindowServices::parts) and the window tells each of them what happens
// on it; the window knows no feature, and a part reaches the window only through frmMain's
// public face.

#include <QString>
#include <functional>
#include <memory>
#include <utility>

#include "session/key_rules.h"

class QWidget;

namespace mindrova {

class frmMain;

class WindowPart {
public:
    WindowPart() = default;
    WindowPart(const WindowPart&) = delete;
    WindowPart& operator=(const WindowPart&) = delete;
    virtual ~WindowPart() = default;

    // A key the window leaves to its parts (V turns spoken guidance on and off). Returns
    // whether this part took it.
    virtual bool TakeKey(KeyCommand /*command*/) { return false; }
    // The step's texts have just been put on the window: instructions is the plain text the
    // instructions label was given; onInstructions is false where the step's text went on the
    // intro's label instead.
    virtual void StepShown(const QString& /*instructions*/, bool /*onInstructions*/) {}
    // The line shown under the step's own text (the gentle word), or an empty one; see
    // SpokenGuidance::SetStepLine.
    virtual void StepLineShown(const QString& /*line*/, bool /*stepBeingEntered*/) {}
    // An issue option was chosen by a click (or a key on it): the issue holds from now on.
    virtual void IssueChosen() {}
    // Whether the keys typed on this control of the part's are text, not the session's keys.
    virtual bool TypesIn(const QWidget* /*focus*/) const { return false; }
    // Whether this control of the part's takes this key as its own (a button's Space and Enter).
    virtual bool KeepsKey(const QWidget* /*focus*/, int /*key*/) const { return false; }
    // The window was laid out again or took another look.
    virtual void Relayout() {}
    // The height in twips, at the designed text size, that the part places under the point's
    // name; the picture makes room for it.
    virtual double HeightUnderPointName() const { return 0; }
    // Whether the part speaks the steps aloud: the window's announcements to a screen reader then
    // leave the points to it, so that two voices never talk over each other.
    virtual bool SpeaksSteps() const { return false; }
    // The program ends with the window: anything still sounding is let go of at once. Returns
    // whether an engine was left running.
    virtual bool Abandon() { return false; }
};

// Makes one part for the window being built; it is called once its controls and menu exist.
using WindowPartMaker = std::function<std::unique_ptr<WindowPart>(frmMain& window)>;

// The maker of a part made as Part(window, services), each window given its own copy.
template <typename Part, typename Services>
WindowPartMaker MakerOf(Services services) {
    return [services = std::move(services)](frmMain& window) -> std::unique_ptr<WindowPart> {
        return std::make_unique<Part>(window, services);
    };
}

}  // namespace mindrova
