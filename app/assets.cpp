// The asset manifest: every texture, then every object with its meshes
// prepared, in a fixed order behind the loading screen.
#include "app/assets.h"

#include "image/texture.h"

GLuint g_texBlank = 0, g_texTonne = 0, g_texTvegg = 0, g_texVegg = 0, g_texTak = 0,
       g_texGulv = 0, g_texTunnel = 0, g_texSvarting = 0, g_texGlow = 0;
GLuint g_texGreetBrimvale = 0, g_texGreetBrimvale2 = 0, g_texGreetOstinak = 0,
       g_texGreetFjellbo = 0, g_texGreetKestral9 = 0;
GLuint g_texByTrosk = 0, g_texByPlimb = 0, g_texByDorsel = 0, g_texByDorsel2 = 0,
       g_texByQuenn = 0, g_texByVarrik = 0;
GLuint g_texKlosserOverlay = 0, g_texTonnerOverlay = 0, g_texTunnelOverlay = 0, g_texLogo = 0,
       g_texJente = 0;

namespace {

// Mesh i of an object, or null when the file failed to load or has fewer
// meshes: nothing is applied to a mesh that does not exist.
CMesh *meshOf(COLVBrush &object, int i)
{
    if (i < 0 || i >= object.meshCount || i >= static_cast<int>(object.meshes.size()))
        return nullptr;
    return object.meshes[i];
}

} // namespace

void loadTextures()
{
    g_texBlank = loadJpegTexture("data/textures/blank.jpg");
    g_texTonne = loadJpegTexture("data/textures/tonne.jpg");
    g_texTvegg = loadJpegTexture("data/textures/tvegg.jpg");
    g_texVegg = loadJpegTexture("data/textures/vegg.jpg");
    g_texTak = loadJpegTexture("data/textures/tak.jpg");
    g_texGulv = loadJpegTexture("data/textures/gulv.jpg");
    g_texTunnel = loadJpegTexture("data/textures/tunnel.jpg");
    g_texSvarting = loadJpegTexture("data/textures/svarting.jpg");
    g_texGlow = createBlankTexture(kGlowTextureSize);
    // Files named twice are uploaded twice: two names, the same image.
    g_texGreetBrimvale = loadTgaTexture("data/textures/greet_brimvale.tga");
    g_texGreetBrimvale2 = loadTgaTexture("data/textures/greet_brimvale.tga");
    g_texGreetOstinak = loadTgaTexture("data/textures/greet_ostinak.tga");
    g_texGreetFjellbo = loadTgaTexture("data/textures/greet_fjellbo.tga");
    g_texGreetKestral9 = loadTgaTexture("data/textures/greet_kestral9.tga");
    g_texByTrosk = loadTgaTexture("data/textures/by_trosk.tga");
    g_texByPlimb = loadTgaTexture("data/textures/by_plimb.tga");
    g_texByDorsel = loadTgaTexture("data/textures/by_dorsel.tga");
    g_texByDorsel2 = loadTgaTexture("data/textures/by_dorsel.tga");
    g_texByQuenn = loadTgaTexture("data/textures/by_quenn.tga");
    g_texByVarrik = loadTgaTexture("data/textures/by_varrik.tga");
    g_texKlosserOverlay = loadTgaTexture("data/textures/klosser_overlay.tga");
    g_texTonnerOverlay = loadTgaTexture("data/textures/tonner_overlay.tga");
    g_texTunnelOverlay = loadJpegTexture("data/textures/tunnel_overlay.jpg");
    g_texLogo = loadJpegTexture("data/backgrounds/logo.jpg");
    g_texJente = loadJpegTexture("data/backgrounds/jente.jpg");
}

namespace {

// Mesh 0 scaled, given normals from the scaled positions, then textured.
void loadLit(COLVBrush &object, const char *path, float factor, GLuint texture)
{
    object.loadFromFile(path);
    if (CMesh *mesh = meshOf(object, 0)) {
        mesh->scale(factor);
        mesh->computeNormals();
        mesh->setTexture(texture);
    }
}

} // namespace

void loadObjects()
{
    loadLit(g_objSpikie, "data/objects/spikie.obr", 0.005f, g_texSvarting);

    // Normals before the inversion: they stay those of the outer surface.
    g_objGsphere.loadFromFile("data/objects/gsphere.obr");
    if (CMesh *mesh = meshOf(g_objGsphere, 0)) {
        mesh->scale(0.4f);
        mesh->computeNormals();
        mesh->invert();
        mesh->setTexture(g_texTunnel);
    }

    loadLit(g_objCube, "data/objects/cube.obr", 0.03f, g_texBlank);

    g_objHisphere.loadFromFile("data/objects/hisphere.obr");
    if (CMesh *mesh = meshOf(g_objHisphere, 0)) {
        mesh->scale(0.12f);
        mesh->computeNormals();
    }

    loadLit(g_objHisphereMorph, "data/objects/hisphere.obr", 0.12f, g_texBlank);

    g_objBildegrid.loadFromFile("data/objects/bildegrid.obr");
    if (CMesh *mesh = meshOf(g_objBildegrid, 0)) {
        mesh->scale(0.007f);
        mesh->setTexture(g_texLogo);
    }

    loadLit(g_objTonne, "data/objects/tonne.obr", 0.1f, g_texTonne);

    g_objRom.loadFromFile("data/objects/rom.obr");
    for (int i = 0; i < g_objRom.meshCount; ++i) {
        if (CMesh *mesh = meshOf(g_objRom, i)) {
            mesh->scale(0.1f);
            mesh->computeNormals();
        }
    }
    const GLuint romTextures[4] = {g_texVegg, g_texTvegg, g_texGulv, g_texTak};
    for (int i = 0; i < 4; ++i) {
        if (CMesh *mesh = meshOf(g_objRom, i))
            mesh->setTexture(romTextures[i]);
    }

    g_objTunnel.loadFromFile("data/objects/tunnel.obr");
    if (CMesh *mesh = meshOf(g_objTunnel, 0)) {
        mesh->scale(0.05f);
        mesh->setTexture(g_texTunnel);
        mesh->computeNormals();
        mesh->invert();
    }
}

void loadAssets()
{
    loadTextures();
    loadObjects();
}
