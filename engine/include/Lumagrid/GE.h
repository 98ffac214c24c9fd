// Lumaspace::GE, the graphics engine as the client sees it: one process-wide object reached through
// GetInstance, started with a window (OpenGL back end) or without one (null back end, for tests of client
// logic), and driven by state switches, prepare operations that bind a pipeline and render operations that
// draw one object with it. Resources the client keeps (vertex buffers, textures, text layouts) are named by
// handles; the client releases the ones it created, the engine releases everything else in Shutdown.
//
// All operations run on the thread that called Initialize. Before Initialize and on a failed start-up every
// operation does nothing and every creation returns the empty handle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Lumagrid/Diagnostics.h"
#include "Lumagrid/EngineTypes.h"
#include "Lumagrid/Handles.h"
#include "Lumagrid/ImageRGBA.h"
#include "Lumagrid/RecordedCall.h"
#include "Lumagrid/TextTypes.h"

struct SDL_Window;

namespace Lumaspace {

class RenderBackend;
class TextStore;
struct SceneData;

class GE {
public:
    // ---- Lifecycle and queries -------------------------------------------------------------------------
    // The engine, created empty on the first call and again after Shutdown.
    static GE* GetInstance();
    // The engine if one has been created and not shut down, else null; never creates one (for owners of
    // engine resources that may outlive the engine).
    static GE* GetInstanceIfCreated();

    // Starts the OpenGL 3.3 back end on the client's window, which must have been created with
    // SDL_WINDOW_OPENGL after SDL_Init(SDL_INIT_VIDEO). The back buffer and every screen target have the
    // screen size; the GUI projection uses the window size. False (with diagnostics) when anything fails.
    bool Initialize(SDL_Window* window, float windowWidth, float windowHeight, float screenWidth,
                    float screenHeight, bool fullScreen);
    // The same start-up on the null back end: no window, no GL; every call is recorded (GetRecordedCalls) and
    // creations hand out handles.
    bool InitializeNull(float windowWidth, float windowHeight, float screenWidth, float screenHeight,
                        bool fullScreen);
    // Releases everything and deletes the engine; the next GetInstance returns a fresh one.
    void Shutdown();

    SDL_Window* GetWindowHandle() const;
    // The sizes given to Initialize; the window size follows a successful ToggleFullscreen. 0 before
    // start-up.
    float GetWindowWidth() const { return m_windowWidth; }
    float GetWindowHeight() const { return m_windowHeight; }
    float GetScreenWidth() const { return m_screenWidth; }  // the back buffer's size
    float GetScreenHeight() const { return m_screenHeight; }
    std::string GetVersion() const;  // "OpenGL 4.5 (Core Profile) Mesa ...", "Null", or "" before start-up
    void SetVsync(bool vsync);
    void SetClearColor(float r, float g, float b, float a);
    // Enters or leaves full screen. On success the GUI projection uses width x height from now on and the
    // screen-changed flag is set; the back buffer keeps its size. On failure nothing changes.
    bool ToggleFullscreen(bool fullScreen, float width, float height);
    bool HasScreenChanged() const;
    void ScreenChangeHandled();
    // Back buffer and forward target to the clear colour, scene depth to 1.
    void Clear();
    // Shows the back buffer in the window (waiting for a vertical blank when vsync is on).
    void Present();

    // ---- State switches --------------------------------------------------------------------------------
    void TurnOnAlphaBlending();
    void TurnOffAlphaBlending();
    void TurnOnPointLightAlphaBlending();
    void TurnOnDepthStencil();
    void TurnOffDepthStencil();
    void SetDepthStateForParticles();
    void TurnOnBackfaceCulling();
    void TurnOffBackfaceCulling();
    bool InitializeOutling();
    void ClearOutlining();
    void SetOutliningPassOne();
    void SetOutliningPassTwo();

    // ---- Render-target switches ------------------------------------------------------------------------
    void ResetRenderTarget();
    void ClearRenderTargetsForGBuffers();
    void SetRenderTargetsForGBuffers();
    void SetForwardRenderTarget();
    void BeginRenderToShadowMap();
    TextureHandle GetPostProcessingTexture1() const;  // G-buffer 0
    TextureHandle GetPostProcessingTexture2() const;  // G-buffer 1

    // ---- Scene and depth pipelines --------------------------------------------------------------------
    // Prepare operations bind a pipeline for the render operations after them; a render operation draws one
    // object (count vertices of buffer, moved by world) with whatever pipeline is bound. Bone lists hold at
    // most kMaxBones matrices (longer ones are cut), as given by the animation (not transposed).
    void PrepareRenderAnimated();
    void RenderAnimated(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                        TextureHandle normalMap, std::span<const glm::mat4> bones);
    void PrepareRenderScene();
    void RenderScene(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                     TextureHandle normalMap);
    // Draws with the instance buffer [index] (AddInstanceBuffer), one copy per instance matrix.
    void RenderInstanced(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                         TextureHandle normalMap, int index);
    // A static object lit directly into the bound target (no G-buffers).
    void RenderSceneForward(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                            TextureHandle normalMap);
    // Pairs of 12-byte positions as separate segments in one colour.
    void RenderLines(BufferHandle buffer, int count, const glm::vec3& colour, const glm::mat4& world);
    // The two outline passes around a skinned object (after SetOutliningPassOne / SetOutliningPassTwo).
    void RenderAnimatedOutliningDepth(BufferHandle buffer, int count, const glm::mat4& world,
                                      std::span<const glm::mat4> bones);
    void RenderAnimatedOutlining(BufferHandle buffer, int count, const glm::mat4& world,
                                 std::span<const glm::mat4> bones, const glm::vec4& colour);
    // The line-of-sight overlay's draw: where the visibility texture does not mark a place visible, the
    // shadow texture shows.
    void RenderReversedShadows(BufferHandle buffer, int count, TextureHandle visibility,
                               TextureHandle shadow);
    // The shadow-map passes (after BeginRenderToShadowMap).
    void PrepareRenderDepth();
    void RenderDepth(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture);
    void PrepareRenderDepthInstanced();
    void RenderDepthInstanced(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                              int index);
    void PrepareRenderAnimatedDepth();
    void RenderAnimatedDepth(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                             std::span<const glm::mat4> bones);

    // ---- Scene state, kept once for every pipeline -----------------------------------------------------
    void SetViewAndProjection(const glm::mat4& view, const glm::mat4& projection);
    void SetLightViewAndProjection(const glm::mat4& lightView, const glm::mat4& lightProjection);
    void SetSceneFog(float start, float end, float density);
    void SetSceneDirectionalLight(const DirectionalLight& light);
    // Only the width reaches the shaders (the shadow filter's texel size).
    void SetShadowMapDimensions(float width, float height);
    // From now on the scene passes sample the shadow map.
    void SetShadowMap();
    TextureHandle GetShadowMap() const;
    // The shadow map the scene passes sample: empty until SetShadowMap.
    TextureHandle GetSceneShaderShadowMap() const;
    void SetLightBuffer(TextureHandle buffer);

    // ---- Composition, point lights, ambient occlusion, depth of field --------------------------------
    // Lights are added every frame: SetPointLightLightBuffer keeps the ones near the view (two fixed lights
    // at
    // (-33, 8, 0) and (33, 8, 0) always take part) and empties the list; the light is copied.
    void AddNewPointLight(const PointLight& light);
    void SetPointLightLightBuffer(const glm::mat4& view);
    void SetScreenBuffer(const DirectionalLight& light, const glm::mat4& projection, const glm::mat4& view);
    // The lit image with every kept point light: into the forward target (Composition, for ApplyDOF) or the
    // back buffer (CompositionForward).
    void Composition();
    void CompositionForward();
    void SetSSAOBuffer(const glm::mat4& projection);
    void RenderSSAO();
    // No occlusion until the next RenderSSAO (ambient occlusion switched off).
    void ClearSSAO();
    void ApplyDOF();
    // The point lights SetPointLightLightBuffer kept, with view-space positions, until the next composition.
    std::span<const PointLight> GetVisiblePointLights() const;
    // The element count of the frame's light buffer: the kept lights, but at least one.
    std::size_t GetPointLightBufferSize() const;

    // ---- Line of sight -----------------------------------------------------------------------------------
    // Points are on the ground plane: x is world x, y is world z.
    void SetViewPolygonMatrix(const glm::mat4& matrix);
    void SetVisibilityProjectionPolygonMatrix(const glm::mat4& matrix);
    void UpdateVisibilityTextureSize(float width, float height);
    // The area searched: p1 = (left, top), p2 = (right, bottom).
    void UpdateVisibilityMapBoundries(Point p1, Point p2);
    // Recomputes the polygon seen from viewer and redraws the visibility texture.
    void UpdateVisibilityPolygon(Point viewer, float frameTime);
    // The darkening overlay over everything out of sight; nothing when skip is set.
    void RenderVisibilityPolygon(bool skip, TextureHandle shadowTexture);
    // Whether the point lies inside the current polygon (even-odd rule); false for an empty polygon.
    bool IsVisibilityPointVisible(Point point) const;
    // The current polygon, sorted by descending angle around the viewer.
    const std::vector<Point>& GetVisibilityPolygon() const;
    // Sight blockers: the level's walls (zero-length lines are ignored) and smoke bombs, which block for 4.5
    // s and change the polygon at once when they appear and expire.
    void SS_AddStaticLine(const Line& line);
    void SS_ClearStaticLines();
    void SS_AddSmokeBomb(Point centre, float frameTime);
    void SS_Update(float frameTime);
    void SS_DebugRender();

    // ---- Effects
    // -------------------------------------------------------------------------------------------
    // The grass near the view into the bound targets (the G-buffers); nothing without a grass mask.
    void RenderFoliage();
    // One emitter's first count particles (40-byte vertices; never more than the buffer holds), with the fire
    // look (for additive blending) when fire is set. Pass the live count: a particle of size 0 draws nothing
    // but still costs its place in the draw.
    void RenderParticles(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                         bool fire);
    // Trails: PrepareRenderTrails once, then one RenderTrail per trail (count TrailPoints, a line list). The
    // caller switches culling off and blending on around them.
    void PrepareRenderTrails();
    void RenderTrail(BufferHandle buffer, int count, TextureHandle texture);
    // The sudden-death sheet: count SheetVertices (a triangle list) seen through the camera, with alpha.
    void RenderSuddenDeath(BufferHandle buffer, int count, TextureHandle texture, float alpha);
    // An aim marker: a static model drawn flat and translucent over the floor.
    void RenderMarker(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture);

    // ---- GUI pipeline ----------------------------------------------------------------------------------
    // Binds the screen-space quad pipeline. GUI space: pixels from the window centre, x right, y up.
    void PrepareRenderGUI();
    // Draws the unit quad (-0.5..0.5) moved by world (row-vector convention, as built) with the texture,
    // its alpha scaled by opacity. The empty handle draws nothing visible.
    void RenderGUI(const glm::mat4& world, TextureHandle texture, float opacity);

    // ---- Text --------------------------------------------------------------------------------------------
    // Start-up loads the display font ("../Ombrin/Fonts/RagingRedLotusBB.ttf") and the system font; a font
    // that does not load is reported, and layouts in it are empty (zero size, nothing drawn).
    bool IsFontLoaded(FontFace face) const;
    // Lays out latin1 (one character per byte; "\n" starts a new line; no wrapping) at sizePixels (the em
    // size in back-buffer pixels, above 0 and at most 512) with the alignment (kTextAlignLeading,
    // kTextAlignTrailing or kTextAlignCentre; anything else is reported and centred). The lines are centred
    // vertically on the anchor as a block. The empty handle for a refused size.
    TextLayoutHandle CreateTextLayout(FontFace face, std::string_view latin1, float sizePixels,
                                      int alignment);
    // The ink box of the layout as it is now; empty for unknown handles.
    TextMetrics GetTextMetrics(TextLayoutHandle layout) const;
    // Lays the same text out again at another size (refused sizes leave it as it was).
    void SetTextLayoutSize(TextLayoutHandle layout, float sizePixels);
    void ReleaseTextLayout(TextLayoutHandle layout);
    // Appends the layout's glyphs anchored at back-buffer pixel (x, y) (origin top left, y down) in colour
    // (red in the lowest byte, then green, blue, alpha). Nothing is drawn until RenderTextGeometry.
    void AnalyzeText(TextLayoutHandle layout, float x, float y, std::uint32_t colour, std::uint32_t flags);
    // Draws everything appended since the last call in one draw over whatever is in the bound target, then
    // empties it. With kTextRestoreState the GL state the pass changed is put back.
    void RenderTextGeometry(std::uint32_t flags);

    // ---- Resources -------------------------------------------------------------------------------------
    // An immutable vertex buffer from the vector the type selects (the other one is ignored).
    BufferHandle CreateBuffer(BUFFERTYPE type, const std::vector<Vertex>& vertices,
                              const std::vector<VertexAnimated>& animatedVertices);
    // The same from the records' bytes (44 per Vertex, 60 per VertexAnimated, as a model file stores them);
    // a size that is not a whole number of records is refused.
    BufferHandle CreateBuffer(BUFFERTYPE type, std::span<const std::byte> vertexBytes);
    // A vertex buffer the client rewrites (trails, particles, effects); its contents start as zeros.
    BufferHandle CreateDynamicBuffer(std::size_t byteWidth);
    // Replaces the buffer's contents from its first byte (the rest is undefined afterwards, as after a
    // discard). More bytes than the buffer holds is refused.
    bool UpdateDynamicBuffer(BufferHandle buffer, std::span<const std::byte> bytes);
    void ReleaseBuffer(BufferHandle buffer);
    // A mipmapped texture from an image file (PNG and the other formats stb_image reads).
    TextureHandle Create2DTexture(const std::string& path);
    // A single-level texture from width x height RGBA8 pixels, top row first (model textures).
    TextureHandle CreateTextureFromPixels(int width, int height, std::span<const std::uint8_t> rgba);
    void ReleaseTexture(TextureHandle texture);
    // Instance buffers hold one world matrix per instance. A new buffer takes the lowest index a released
    // buffer left free, else the next one; AddInstanceBuffer returns that index (-1 when the count is
    // refused). Without releases the indices are 0, 1, 2, ... in the order the buffers were added.
    int AddInstanceBuffer(int count, const std::vector<glm::mat4>& matrices);
    void UpdateInstanceBuffers(const std::vector<glm::mat4>& matrices, int index);
    // Frees buffer [index]; its index is used again by a later AddInstanceBuffer. An index that names no
    // buffer is reported and ignored.
    void ReleaseInstanceBuffer(int index);
    // The instance buffers held now (released ones not counted).
    int GetNumberOfInstanceBuffer() const;

    // ---- Diagnostics and test support -----------------------------------------------------------------
    DiagnosticSink& GetDiagnostics() { return m_diagnostics; }
    // The back buffer as it is now, top row first. False on the null back end and before start-up.
    bool ReadBackBuffer(ImageRGBA& image);
    // Waits until everything issued so far has been drawn (benchmarks time single passes between two calls).
    // Nothing on the null back end.
    void Finish();
    // The calls the null back end recorded since start-up (empty on the OpenGL back end).
    const std::vector<RecordedCall>& GetRecordedCalls() const;
    void ClearRecordedCalls();
    // Layouts the client holds, and the text draws issued since start-up (each RenderTextGeometry with glyphs
    // to draw issues one).
    std::size_t GetTextLayoutCount() const;
    std::uint64_t GetTextDrawCount() const;

    GE(const GE&) = delete;
    GE& operator=(const GE&) = delete;

private:
    GE();
    ~GE();

    template <class Record>
    void Submit(const Record& record);

    // The instance count buffer [index] was created with; 0 for a released or unknown index.
    int InstanceCount(int index) const;
    bool Start(std::unique_ptr<RenderBackend> backend, SDL_Window* window, float windowWidth,
               float windowHeight, float screenWidth, float screenHeight, bool fullScreen);

    DiagnosticSink m_diagnostics;
    std::unique_ptr<RenderBackend> m_backend;
    std::unique_ptr<TextStore> m_text;
    std::unique_ptr<SceneData> m_scene;
    float m_windowWidth = 0.0f;
    float m_windowHeight = 0.0f;
    float m_screenWidth = 0.0f;
    float m_screenHeight = 0.0f;
    SDL_Window* m_window = nullptr;
    bool m_screenChanged = false;
    std::vector<int> m_instanceCounts;  // per index; 0 for a released buffer
};

}  // namespace Lumaspace
