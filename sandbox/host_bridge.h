#pragma once

// Plain C records and functions between the sandbox host's two halves: the
// host objects and the component caller, compiled in Microsoft's C++ ABI, and
// the windows, the message loop and the tests, compiled with MinGW.

#ifdef __cplusplus
extern "C" {
#endif

typedef struct SandboxPoint {
    float x, y, z;
} SandboxPoint;

typedef struct SandboxRect {
    int left, top, right, bottom;
} SandboxRect;

// Every host operation, for the call log and for choosing one that throws.
typedef enum SandboxOperation {
    SandboxIsJapanese,
    SandboxGetScene,
    SandboxAttachCall,
    SandboxGetMainWindow,
    SandboxGetCamera,
    SandboxGetFigureWindow,
    SandboxGetPaneRect,
    SandboxGetActiveShapes,
    SandboxGetDrawingCentre,
    SandboxGetCursorPosition,
    SandboxZoomInAt,
    SandboxZoomOutAt,
    SandboxScrollTo,
    SandboxFitDrawing,
    SandboxGetPaneType,
    SandboxGetEye,
    SandboxGetTarget,
    SandboxSetEye,
    SandboxSetTarget,
    SandboxGetZoom,
    SandboxGetBank,
    SandboxSetZoom,
    SandboxSetBank,
    SandboxGetViewMatrix,
    SandboxGetCentre,
    SandboxGetTransformation,
    SandboxReleaseScene,
    SandboxReleaseCamera,
    SandboxReleaseFigureWindow,
    SandboxOperationCount,
    SandboxNoOperation = -1
} SandboxOperation;

typedef struct SandboxCall {
    int operation;
    int argument;        // pane index, shape array flag (1 with an array)
    SandboxPoint point;  // the point or the (zoom or bank, 0, 0) a call passed or returned
} SandboxCall;

enum { SandboxMaxCalls = 4096, SandboxMaxShapes = 16 };

// Optional: the host's views behind the scene's view operations and its
// reaction to camera changes. Without them the view operations only log, and
// the drawing centre and cursor position are the state's fields.
typedef struct SandboxViews {
    void* context;
    void (*zoomAt)(void* context, const SandboxPoint* centre, int zoomIn);
    void (*scrollTo)(void* context, const SandboxPoint* point);
    void (*fitDrawing)(void* context);
    void (*drawingCentre)(void* context, SandboxPoint* centre);
    void (*cursorPosition)(void* context, SandboxPoint* position);
    // After every camera setter, before onSceneChanged.
    void (*cameraChanged)(void* context);
} SandboxViews;

typedef struct SandboxShape {
    SandboxPoint centre;
    float transformation[16];  // row-major, row vectors
    int isPart;
    int active;
} SandboxShape;

// The host's world. The Microsoft-ABI objects read and write it; tests and
// the sandbox's windows set it up and inspect it directly.
typedef struct SandboxHostState {
    int japanese;  // is_japanese's answer: 1 after a reset, 0 for a host in English
    void* mainWindow;
    SandboxPoint eye;
    SandboxPoint target;
    float zoom;
    float bank;
    float viewMatrix[16];
    SandboxPoint drawingCentre;
    SandboxPoint cursorPosition;
    SandboxRect paneRects[4];
    int paneTypes[4];
    SandboxShape shapes[SandboxMaxShapes];
    int shapeCount;

    // The host operation that throws a host exception when called; the call is
    // logged first. SandboxNoOperation for none.
    int throwFrom;
    // The host operation that hands out nothing where the plug-in expects an
    // object: get_scene, get_camera and get_figure_window return null, and
    // get_active_shapes fills one shape fewer than it counts. The call is
    // logged. SandboxNoOperation for none.
    int nullFrom;

    // A component whose attach operation attach_call calls once more, as a
    // host may; null for none.
    void* attachAgainDuringAttachCall;

    // Reference counts beyond the host's own reference, per object kind, and
    // the releases that would have taken a count below the host's reference.
    int sceneReferences;
    int cameraReferences;
    int figureWindowReferences;
    int overReleases;
    int referencesObtained;
    // Points passed by value whose copy was not aligned to 16 bytes.
    int misalignedArguments;

    int callCount;
    SandboxCall calls[SandboxMaxCalls];

    // Optional: called after every camera setter and view command, as the
    // host invalidates its figure window then.
    void (*onSceneChanged)(void* context);
    void* onSceneChangedContext;

    const SandboxViews* views;
} SandboxHostState;

// The host objects live as long as the process; state is reset to a default
// world: a host in Japanese, eye (0, 0, 10), target at the origin, zoom 35,
// bank 0, identity view.
SandboxHostState* sandbox_host_state(void);
void sandbox_host_reset(void);
void* sandbox_host_app(void);             // HostApp*
void* sandbox_host_attach_context(void);  // the object handed to attach
void* sandbox_host_scene(void);           // HostScene*, borrowed
int sandbox_host_count_calls(int operation);

// Discovery, as the host makes it, through the library's exports.
typedef struct SandboxExports {
    void* has_interface;
    void* get_name;
    void* get_uuid;
    void* create_interface;
    void* is_resident;
    void* get_info;
    void* get_text_encoding;
} SandboxExports;

typedef struct SandboxInfoRecord {
    int hostField;
    int version;
    int kind;
    int reserved[3];
    const char* name;
    const char* maker;
    const char* makerAgain;
    const char* description;
} SandboxInfoRecord;

int sandbox_has_interface(const SandboxExports* exports, const unsigned char id[16]);
const char* sandbox_get_name(const SandboxExports* exports, const unsigned char id[16], int index, void* app);
void sandbox_get_uuid(const SandboxExports* exports, const unsigned char id[16], int index, unsigned char uuid[16]);
int sandbox_create_interface(const SandboxExports* exports, const unsigned char id[16], int index, void** component);
int sandbox_is_resident(const SandboxExports* exports, const unsigned char id[16], int index);
void sandbox_get_info(const SandboxExports* exports, SandboxInfoRecord* record);
int sandbox_get_text_encoding(const SandboxExports* exports);

// The component, called through its operation table as the host calls it.
int sandbox_component_add_ref(void* component);
int sandbox_component_release(void* component);
void sandbox_component_delete(void* component);  // through the virtual destructor
void sandbox_component_attach(void* component, void* context, int* flagAfter);
void sandbox_component_camera_changed(void* component, void* scene, int* flagAfter);
void sandbox_component_open_configuration(void* component);
void sandbox_component_uuid(void* component, unsigned char uuid[16]);
int sandbox_component_version_number(void* component);
void sandbox_component_zero_identifier(void* component, unsigned char uuid[16]);
void sandbox_component_shape_to_part(void* component, int shapeIndex, int* flagAfter);
// The host's typeid(*component).name(), and its dynamic_cast from IUnknown* to
// plugin_interface* and to void*.
const char* sandbox_component_type_name(void* component);
void* sandbox_component_cast_to_interface(void* component);
void* sandbox_component_cast_to_object(void* component);

// The component's own operations, called at table slot `index` with their
// argument lists, as the host reaches them by position.
void sandbox_slot_open_configuration(void* component, int index);
void sandbox_slot_camera_changed(void* component, int index, void* scene, int* flagAfter);
int sandbox_slot_version_number(void* component, int index);
void sandbox_slot_attach(void* component, int index, void* context, int* flagAfter);
void sandbox_slot_component_uuid(void* component, int index, unsigned char uuid[16]);
void sandbox_slot_shape_to_part(void* component, int index, int shapeIndex, int* flagAfter);

// Calls table slot `index` as an operation of the given default kind and
// reports what it did. Kinds are SandboxSlotKind values.
typedef enum SandboxSlotKind {
    SandboxSlotTrue,
    SandboxSlotFalse,
    SandboxSlotZero,
    SandboxSlotOne,
    SandboxSlotNothing,
    SandboxSlotClear,
    SandboxSlotClearAndTrue,
    SandboxSlotEcho,
    SandboxSlotZeroIdentifier,
    SandboxSlotThrow
} SandboxSlotKind;

typedef struct SandboxSlotProbe {
    long long result;        // the integer or pointer result (booleans in the low byte)
    int flagAfter;           // the boolean argument after the call, passed in as true
    unsigned char uuid[16];  // zero identifier: the returned bytes, passed in as 0xCC
    const char* thrownCharPointer;  // caught as char*
    const void* thrownVoidPointer;  // the same kind of call caught as void*
    int threwOther;
} SandboxSlotProbe;

void sandbox_probe_slot(void* component, int index, int kind, SandboxSlotProbe* probe);

#ifdef __cplusplus
}
#endif
