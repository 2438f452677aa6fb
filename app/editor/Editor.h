#pragma once

#include <optional>
#include <string>

#include "app/editor/EditorInput.h"
#include "app/editor/MakersProof.h"
#include "app/session/PlayedLevel.h"
#include "base/AtomicFile.h"
#include "gameplay/Camera.h"
#include "gameplay/InputSnapshot.h"
#include "gameplay/LevelEdit.h"
#include "gameplay/LevelWarnings.h"
#include "render/LineSet.h"

// What the camera shows of the world in a frame, for the editor to turn the cursor into a ray.
struct EditorView {
    glm::mat4 view;
    glm::mat4 projection;
    glm::vec2 framebuffer;  // pixels
};

// The level editor: the level being made with its undo history, the piece selected, the piece
// the palette places next, the snap, the editor's camera, and whether the level is being
// play-tested. The game builds the scene from `played()` and starts the play-test's run; the
// editor only edits and asks.
class Editor {
public:
    Editor(PlayedLevel level, bool hasGoal, int glMajor, int glMinor);

    // The level as it stands, to build the scene of and play: without a goal, it has none
    // that can be touched.
    PlayedLevel played() const;
    std::size_t revision() const { return edit.revision(); }
    // Whether the scene shows an older level than the one being made. While a piece is dragged
    // it waits: the scene is built once, as the drag ends, and meanwhile the selection's box
    // shows where the piece goes.
    // So it does while a field of the panels is being typed in or dragged: each keystroke would
    // otherwise build the whole scene again.
    bool sceneStale() const {
        return !dragOffset && !fieldActive() && shownRevision != edit.revision();
    }
    void sceneShown() { shownRevision = edit.revision(); }
    const LevelEdit& document() const { return edit; }

    // Whether a click or a key is the panels' in this frame.
    static bool panelsTakeMouse();
    static bool panelsTakeKeys();
    // Whether a field of the panels is held: typed in, or dragged.
    static bool fieldActive();

    // One frame of editing with the camera `camera`: the keys and the mouse edit the level,
    // fly and turn the camera. True when the player asked to play-test.
    bool update(const EditorInput& input, const InputSnapshot& controls, float deltaTime,
                const EditorView& view);
    // The grid and the selection's box, over the scene drawn.
    void drawLines(const glm::mat4& view, const glm::mat4& projection);
    // The palette, the properties of the selection and the help line, into the UI's frame.
    void drawPanels();

    // The camera as the editor left it, taken back after a play-test.
    void keepCamera(const Camera& camera) { editorCamera = camera; }
    const Camera& keptCamera() const { return editorCamera; }
    // Selects the piece, as a click on it does; none: the level itself.
    void select(std::optional<PieceRef> piece);
    // The checkpoint selected (from 0), where a play-test starts; none: at the start.
    std::optional<std::size_t> selectedCheckpoint() const;
    // Ctrl+S: the level written to its file, as far as it would read back; the panel tells.
    void save();
    // Whether the level or its proof was written since the last asking: the game's list of levels
    // is stale.
    bool takeSaved();
    // A play-test's win, from its start or not: the level's proof when it played the level as
    // saved.
    void keepWin(const ReplayRecorder& recording, bool fromStart);
    // Whether the level differs from the one last saved, or opened: quitting would lose it.
    bool unsaved() const { return edit.revision() != savedRevision; }
    // Asks whether to save the changes before the game quits: "Save", "Don't save" or "Cancel".
    // Nothing is edited while it is asked.
    void askBeforeQuit() { quitQuestion = true; }
    bool askingBeforeQuit() const { return quitQuestion; }
    // Escape while it is asked: as Cancel.
    void cancelQuit() { quitQuestion = false; }
    // Whether the answer was to quit, since the last asking.
    bool takeQuitAnswer();
    // Why the level's own files could not be loaded, shown until they can.
    void refuseOwnFiles(const std::string& why) { ownFilesRefusal = why; }

    EditorKeys keys;
    bool playTesting = false;
    // Escape during a play-test, taken at the frame's start.
    bool returnAsked = false;

private:
    void editWithKeys(const EditorInput& input);
    void editWithMouse(const EditorInput& input, const EditorView& view);
    void flyCamera(const EditorInput& input, const InputSnapshot& controls, float deltaTime);
    void flyOver(const InputSnapshot& controls, float deltaTime);
    // Home: the camera over the selected piece, or over the start, as the editor first shows it.
    void bringCameraBack();
    void switchTopView();
    void reorderSelected(int by);
    void switchSnap();
    // The step a key moves by: the snap's, or a tenth of a unit with it off.
    float keyStep() const;
    float gridHeight() const;
    glm::vec3 gridCentre() const;
    // Where the cursor's ray meets the grid's plane, if it does.
    std::optional<glm::vec3> onGrid(glm::vec2 cursor, const EditorView& view) const;

    void drawPalette();
    void drawWarnings();
    void drawProperties();
    void drawPieceProperties(PieceRef piece);
    void drawPlatformProperties(int index);
    // True when the piece was moved in the order.
    bool drawOrder(PieceRef piece);
    void drawLevelProperties();
    void drawHelp();
    void drawQuitQuestion();

    LevelEdit edit;
    std::filesystem::path folder;  // where its own files are found
    bool shipped;
    std::optional<PieceRef> selected;
    std::optional<PieceRef::Kind> placing;  // the palette's choice, placed by the next click
    float snap = kSnapWhole;
    bool topView = false;
    float pitchBeforeTop = 0.0f;  // degrees
    // A drag: the piece's offset from the grid point first grabbed.
    std::optional<glm::vec3> dragOffset;
    Camera editorCamera;
    std::string ownFilesRefusal;
    std::filesystem::path saveFile;  // where Ctrl+S writes the level
    std::string description;         // the comment the file opened began with, kept by a save
    std::optional<WriteResult> lastSave;
    MakersProof proof;
    // The warnings of the level as it stands, found again when it changes.
    std::vector<LevelWarning> warnings;
    std::optional<std::size_t> warnedRevision;
    bool saved = false;
    std::size_t savedRevision = 0;  // the document's, when last saved or opened
    std::optional<std::size_t> shownRevision;
    bool quitQuestion = false;
    bool quitAnswered = false;
    LineSet lines;
};

// A new level of that name: a start on one platform and a goal a jump away, on another.
Level newLevel(const std::string& name);
