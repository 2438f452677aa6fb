#include "app/editor/Editor.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <glm/gtc/constants.hpp>
#include <utility>

#include "app/editor/LevelSave.h"
#include "base/FileRead.h"
#include "gameplay/JumpReach.h"
#include "gameplay/LevelFile.h"
#include "gameplay/LevelText.h"

namespace {

using Kind = PieceRef::Kind;

// A new level: the course's first two platforms, a jump apart, and par as the course's start.
const glm::vec3 kNewStart(0.0f, -0.5f, 0.0f);
const glm::vec3 kNewFar(0.0f, -0.5f, -10.0f);
const glm::vec3 kGoalAbovePlatform(0.0f, 0.05f, 0.0f);
const int kNewParSeconds = 30;

// The editor's camera starts above and behind the start, looking down on it.
const glm::vec3 kCameraFromStart(0.0f, 6.0f, 10.0f);
const float kCameraPitch = -30.0f;       // degrees
const float kCameraSpeed = 10.0f;        // units per second
const float kTopPitch = -89.0f;          // degrees: straight down, short of the pole
const float kTopLowest = 2.0f;           // units above the grid, the top view's nearest
const float kKeyStepWithoutSnap = 0.1f;  // units
const float kGridHalfWidth = 20.0f;      // units either side of its centre
const float kGridLineSpacingOff = 1.0f;  // units, with the snap off
const glm::vec3 kGridColour(0.45f, 0.45f, 0.55f);
const glm::vec3 kSelectionColour(1.0f, 0.85f, 0.1f);
// How far a jump from the selected platform carries at its height: walking, then sprinting.
const glm::vec3 kWalkReachColour(0.3f, 0.9f, 0.4f);
const glm::vec3 kSprintReachColour(1.0f, 0.5f, 0.2f);
const int kRingSegments = 64;
const float kDuplicateGap = 1.0f;  // units between a piece and its copy
// The hash of a level being made: no file's, so that no records are read or written for it.
const char* const kEditedHash = "edited";

struct Ray {
    glm::vec3 origin;
    glm::vec3 direction;
};

// The line of sight through the cursor, from the near plane on.
Ray cursorRay(glm::vec2 cursor, const EditorView& view) {
    const glm::mat4 unproject = glm::inverse(view.projection * view.view);
    const glm::vec2 ndc(2.0f * cursor.x / view.framebuffer.x - 1.0f,
                        1.0f - 2.0f * cursor.y / view.framebuffer.y);
    const glm::vec4 nearPoint = unproject * glm::vec4(ndc, -1.0f, 1.0f);
    const glm::vec4 farPoint = unproject * glm::vec4(ndc, 1.0f, 1.0f);
    const glm::vec3 origin = glm::vec3(nearPoint) / nearPoint.w;
    return Ray{origin, glm::normalize(glm::vec3(farPoint) / farPoint.w - origin)};
}

}  // namespace

Level newLevel(const std::string& name) {
    Level level;
    level.name = name;
    level.parTime = kNewParSeconds;
    level.start = kNewStart;
    for (const glm::vec3& at : {kNewStart, kNewFar}) {
        PlatformPiece platform;
        platform.at = at;
        level.platforms.push_back(platform);
    }
    level.goal = kNewFar + kGoalAbovePlatform;
    return level;
}

Editor::Editor(PlayedLevel level, bool hasGoal, int glMajor, int glMinor)
    : edit(std::move(level.level), hasGoal),
      folder(std::move(level.folder)),
      shipped(level.shipped),
      saveFile(savePathOf(level)),
      savedRevision(edit.revision()),
      lines(glMajor, glMinor) {
    editorCamera.debugMode = true;
    editorCamera.sensitivity = camera.sensitivity;
    editorCamera.position = edit.level().start + kCameraFromStart;
    editorCamera.pitch = kCameraPitch;
    editorCamera.updateVectors();
    if (level.file == saveFile) {
        proof.found(saveFile);
    }
    if (!level.file.empty()) {
        const FileText opened = readWholeFile(level.file, kMaxLevelBytes, "larger than any level");
        description = leadingComment(opened.text.value_or(""));
    }
}

PlayedLevel Editor::played() const {
    PlayedLevel level;
    level.level = edit.level();
    level.folder = folder;
    level.shipped = shipped;
    // Known by no records: a play-test keeps nothing, and shows no best run's ghost.
    level.id = LevelId{kEditedHash, level.level.name};
    return level;
}

std::optional<std::size_t> Editor::selectedCheckpoint() const {
    if (selected && selected->kind == PieceRef::Kind::Checkpoint) {
        return static_cast<std::size_t>(selected->index);
    }
    return std::nullopt;
}

void Editor::save() {
    lastSave = saveLevel(edit.level(), edit.hasGoal(), folder, saveFile, description);
    if (lastSave->ok) {
        proof.saved(saveFile);
        savedRevision = edit.revision();
        saved = true;
    }
}

void Editor::keepWin(const ReplayRecorder& recording, bool fromStart) {
    if (proof.keepWin(recording, fromStart, !unsaved())) {
        saved = true;
    }
}

bool Editor::takeSaved() {
    return std::exchange(saved, false);
}

bool Editor::takeQuitAnswer() {
    return std::exchange(quitAnswered, false);
}

bool Editor::panelsTakeMouse() {
    return ImGui::GetCurrentContext() && ImGui::GetIO().WantCaptureMouse;
}

bool Editor::panelsTakeKeys() {
    return ImGui::GetCurrentContext() && ImGui::GetIO().WantTextInput;
}

bool Editor::fieldActive() {
    return ImGui::GetCurrentContext() && ImGui::IsAnyItemActive();
}

bool Editor::update(const EditorInput& input, const InputSnapshot& controls, float deltaTime,
                    const EditorView& view) {
    if (quitQuestion) {
        return false;  // the question is answered first
    }
    if (!panelsTakeKeys()) {
        editWithKeys(input);
        // Ctrl+S, Ctrl+D and Ctrl+A are shortcuts: their letters would fly the camera too.
        if (!input.control) {
            flyCamera(input, controls, deltaTime);
        }
    }
    if (!panelsTakeMouse() || dragOffset) {
        editWithMouse(input, view);
    }
    if (selected && !edit.holds(*selected)) {
        selected.reset();  // undone, or removed
    }
    return !panelsTakeKeys() && input.released[EditorInput::PlayTest];
}

void Editor::editWithKeys(const EditorInput& input) {
    using K = EditorInput;
    if (input.pressed[K::TopView]) {
        switchTopView();
    }
    if (input.pressed[K::Snap]) {
        switchSnap();
    }
    if (input.pressed[K::Home]) {
        bringCameraBack();
    }
    if (input.control && input.pressed[K::Save]) {
        save();
    }
    const bool redo =
        input.control && (input.pressed[K::Redo] || (input.pressed[K::Undo] && input.shift));
    const bool undo = input.control && input.pressed[K::Undo] && !redo;
    // A piece moved in the order and moved back stays selected, not the one that took its place.
    if ((redo && edit.redo()) || (undo && edit.undo())) {
        if (selected) {
            selected = edit.afterStep(*selected);
        }
    }
    if (!selected) {
        return;
    }
    const float step = keyStep();
    const std::pair<K::Key, glm::vec3> moves[] = {
        {K::Left, {-step, 0.0f, 0.0f}},  {K::Right, {step, 0.0f, 0.0f}},
        {K::Up, {0.0f, 0.0f, -step}},    {K::Down, {0.0f, 0.0f, step}},
        {K::Higher, {0.0f, step, 0.0f}}, {K::Lower, {0.0f, -step, 0.0f}},
    };
    for (const auto& [key, delta] : moves) {
        if (input.pressed[key]) {
            edit.move(*selected, delta);
            edit.endGesture();
        }
    }
    if (input.pressed[K::Earlier] || input.pressed[K::Later]) {
        reorderSelected(input.pressed[K::Later] ? 1 : -1);
    }
    if (input.pressed[K::Remove] && edit.remove(*selected)) {
        selected.reset();
    } else if (input.control && input.pressed[K::Duplicate]) {
        const PieceBox box = boxOf(selected->kind, glm::vec3(0.0f));
        const float beside = std::ceil(box.high.x - box.low.x) + kDuplicateGap;
        select(edit.duplicate(*selected, glm::vec3(beside, 0.0f, 0.0f)));
    }
}

void Editor::editWithMouse(const EditorInput& input, const EditorView& view) {
    if (!input.leftButton) {
        if (dragOffset) {
            edit.endGesture();
        }
        dragOffset.reset();
        return;
    }
    const std::optional<glm::vec3> point = onGrid(input.cursor, view);
    if (dragOffset && point && selected) {
        const glm::vec3 at = snapped(*point + *dragOffset, snap);
        edit.setPosition(*selected, glm::vec3(at.x, edit.positionOf(*selected).y, at.z));
        return;
    }
    if (!input.leftPressed) {
        return;
    }
    if (placing) {
        // A click off the grid (above the camera, or past its horizon) places nothing, and
        // keeps the piece chosen and the one selected, after which it is to go.
        if (point) {
            const glm::vec3 at = snapped(*point, snap);
            select(edit.place(*placing, glm::vec3(at.x, gridHeight(), at.z), selected));
            edit.endGesture();
            placing.reset();
        }
        return;
    }
    const Ray ray = cursorRay(input.cursor, view);
    select(pieceAlong(edit, ray.origin, ray.direction));
    // The grid lies at the height of the piece just selected: grabbed on the grid of the one
    // before, a piece at another height would jump as the drag begins.
    const std::optional<glm::vec3> grabbed = onGrid(input.cursor, view);
    if (selected && grabbed) {
        dragOffset = edit.positionOf(*selected) - *grabbed;
        dragOffset->y = 0.0f;
    }
}

// The debug camera's keys; the mouse turns it while the right button is held, leaving the
// left to click. From above, the keys move it over the level rather than along its view.
void Editor::flyCamera(const EditorInput& input, const InputSnapshot& controls, float deltaTime) {
    camera.movementSpeed = kCameraSpeed;
    if (!topView) {
        camera.processKeyboard(controls, deltaTime);
        if (input.rightButton) {
            camera.look(controls.mouseX, controls.mouseY);
        }
        return;
    }
    flyOver(controls, deltaTime);
}

// Looking straight down, the view's own front and up lie nearly along the world's up and the
// level's way: W and S would sink the camera, R and F slide it. Over the level, W A S D move it
// across the level as the view lies, R and F raise and lower it, which zooms.
void Editor::flyOver(const InputSnapshot& controls, float deltaTime) {
    const float step = camera.movementSpeed * deltaTime;
    const glm::vec3 ahead = glm::normalize(glm::vec3(camera.up.x, 0.0f, camera.up.z));
    const glm::vec3 side = glm::normalize(glm::vec3(camera.right.x, 0.0f, camera.right.z));
    const std::pair<Action, glm::vec3> moves[] = {
        {Action::Forward, ahead},
        {Action::Backward, -ahead},
        {Action::Left, -side},
        {Action::Right, side},
        {Action::Up, {0.0f, 1.0f, 0.0f}},
        {Action::Down, {0.0f, -1.0f, 0.0f}},
    };
    for (const auto& [action, direction] : moves) {
        if (controls.held.has(action)) {
            camera.position += direction * step;
        }
    }
    camera.position.y = std::max(camera.position.y, gridHeight() + kTopLowest);
}

void Editor::bringCameraBack() {
    const glm::vec3 over = gridCentre();
    camera.yaw = Camera().yaw;
    if (topView) {
        camera.pitch = kTopPitch;
        camera.position = over + glm::vec3(0.0f, glm::length(kCameraFromStart), 0.0f);
    } else {
        camera.pitch = kCameraPitch;
        camera.position = over + kCameraFromStart;
    }
    camera.updateVectors();
}

void Editor::reorderSelected(int by) {
    if (const std::optional<PieceRef> moved = edit.reorder(*selected, by)) {
        select(moved);
    }
}

void Editor::switchTopView() {
    topView = !topView;
    if (topView) {
        pitchBeforeTop = camera.pitch;
        camera.pitch = kTopPitch;
    } else {
        camera.pitch = pitchBeforeTop;
    }
    camera.updateVectors();
}

void Editor::switchSnap() {
    snap = snap == kSnapWhole ? kSnapHalf : snap == kSnapHalf ? kSnapOff : kSnapWhole;
}

void Editor::select(std::optional<PieceRef> piece) {
    selected = piece;
    dragOffset.reset();
}

float Editor::keyStep() const {
    return snap > 0.0f ? snap : kKeyStepWithoutSnap;
}

float Editor::gridHeight() const {
    return gridCentre().y;
}

glm::vec3 Editor::gridCentre() const {
    return edit.positionOf(selected.value_or(PieceRef{Kind::Start, 0}));
}

std::optional<glm::vec3> Editor::onGrid(glm::vec2 cursor, const EditorView& view) const {
    const Ray ray = cursorRay(cursor, view);
    const float height = gridHeight();
    const float along = (height - ray.origin.y) / ray.direction.y;
    if (!std::isfinite(along) || along < 0.0f) {
        return std::nullopt;  // level with the grid, or looking away from it
    }
    return ray.origin + ray.direction * along;
}

namespace {

// Around the platform's top, as far from its edge as the game's own jump carries the player to
// a platform as high: the rules drawn where the next platform is being placed.
void addReachRings(const PieceBox& box, std::vector<LineSet::Vertex>& vertices) {
    const glm::vec3 centre = 0.5f * (box.low + box.high);
    const float edge = 0.5f * std::max(box.high.x - box.low.x, box.high.z - box.low.z);
    for (const bool sprint : {false, true}) {
        const float radius = edge + jumpReach(0.0f, sprint);
        const glm::vec3 colour = sprint ? kSprintReachColour : kWalkReachColour;
        for (int i = 0; i < kRingSegments; ++i) {
            for (const int end : {i, i + 1}) {
                const float angle = glm::two_pi<float>() * static_cast<float>(end) / kRingSegments;
                const glm::vec3 at(centre.x + radius * std::cos(angle), box.high.y,
                                   centre.z + radius * std::sin(angle));
                vertices.push_back({at, colour});
            }
        }
    }
}

}  // namespace

void Editor::drawLines(const glm::mat4& view, const glm::mat4& projection) {
    std::vector<LineSet::Vertex> vertices;
    const float spacing = snap > 0.0f ? snap : kGridLineSpacingOff;
    const glm::vec3 centre = snapped(gridCentre(), kSnapWhole);
    const float y = gridHeight();
    for (float offset = -kGridHalfWidth; offset <= kGridHalfWidth; offset += spacing) {
        const float x = centre.x + offset;
        const float z = centre.z + offset;
        vertices.push_back({{x, y, centre.z - kGridHalfWidth}, kGridColour});
        vertices.push_back({{x, y, centre.z + kGridHalfWidth}, kGridColour});
        vertices.push_back({{centre.x - kGridHalfWidth, y, z}, kGridColour});
        vertices.push_back({{centre.x + kGridHalfWidth, y, z}, kGridColour});
    }
    if (selected) {
        const PieceBox box = boxOf(selected->kind, edit.positionOf(*selected));
        const glm::vec3 corners[2] = {box.low, box.high};
        // The twelve edges: from each corner, along each axis where it is low.
        for (int corner = 0; corner < 8; ++corner) {
            const glm::vec3 from(corners[corner & 1].x, corners[(corner >> 1) & 1].y,
                                 corners[(corner >> 2) & 1].z);
            for (int axis = 0; axis < 3; ++axis) {
                if ((corner >> axis) & 1) {
                    continue;
                }
                glm::vec3 to = from;
                to[axis] = box.high[axis];
                vertices.push_back({from, kSelectionColour});
                vertices.push_back({to, kSelectionColour});
            }
        }
        if (selected->kind == Kind::Platform) {
            addReachRings(box, vertices);
        }
    }
    lines.setLines(vertices);
    lines.draw(view, projection);
}
