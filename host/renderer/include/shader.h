/*
 * Renderer API face for shader libraries: value types, the render state, options, the shader
 * record with its attachment fields, the contour records, and the renderer functions a shader
 * library may call. Shader libraries compile against this header only and link nothing of the
 * renderer; they find its functions by name at run time.
 */
#ifndef SHADER_H
#define SHADER_H

#ifdef __cplusplus
extern "C" {
#endif

#ifdef _WIN32
#define DLLIMPORT __declspec(dllimport)
#define DLLEXPORT __declspec(dllexport)
#else
#define DLLIMPORT
#define DLLEXPORT __attribute__((visibility("default")))
#endif

/* ---- value types ---- */

/* An enum as in the renderer's own header, so a shader that treats it as a plain int (returns
 * a comparison, adds to it) fails to compile here as it would there. 32 bits wide. */
typedef enum miBoolean { miFALSE = 0, miTRUE = 1 } miBoolean;
typedef int miInteger;
typedef unsigned int miUint;
typedef short miSshort;
typedef unsigned short miUshort;
typedef unsigned char miUchar;
typedef float miScalar;
typedef double miGeoScalar;
typedef miUint miTag; /* 32-bit handle of a renderer database item */

#define miNULLTAG 0

typedef struct miColor {
    miScalar r, g, b, a;
} miColor;

typedef struct miVector {
    miScalar x, y, z;
} miVector;

typedef miScalar miMatrix[16];

/* ---- ray types ---- */

typedef enum miRay_type {
    miRAY_EYE = 0,
    miRAY_TRANSPARENT = 1,
    miRAY_REFLECT = 2,
    miRAY_REFRACT = 3,
    miRAY_LIGHT = 4,
    miRAY_SHADOW = 5,
    miRAY_ENVIRONMENT = 6,
    miRAY_NONE = 7,
    miRAY_DISPLACE = 16
} miRay_type;

/* ---- options ---- */

typedef struct miOptions {
    miColor contrast; /* per-channel colour contrast thresholds (r, g, b used) */
    miInteger min_samples;
    miInteger max_samples;
    miBoolean contour;   /* contour pipeline enabled */
    miTag contour_store; /* store function instance */
    miTag contour_contrast;
} miOptions;

/* ---- shader record ----
 * One record per shader instance. When ghost_used is 1, every parameter field p of the
 * instance's parameter block has a 32-bit attachment tag at (char *)p + ghost_offs: a tag other
 * than miNULLTAG and (miTag)-2 means the field is the output of another shader, reached
 * through mi_phen_eval. */
typedef struct miFunction {
    miTag function_decl;      /* declaration the instance was made from */
    miTag next_function;      /* next instance in a shader list, or miNULLTAG */
    miInteger parameter_size; /* bytes of the parameter block, array storage included */
    miInteger result_size;    /* bytes of the result */
    miUint ghost_offs;        /* attachment offset */
    miUchar ghost_used;       /* attachment flag byte: 1 when any field may be attached */
    miUchar spare[3];
    void* parameters; /* the parameter block handed to the shader */
} miFunction;

/* ---- render state ---- */

typedef struct miState {
    miInteger version;
    miTag camera_inst;
    miScalar raster_x, raster_y; /* image position of the sample */
    miOptions* options;
    miRay_type type;
    struct miState* parent; /* null for a primary ray */
    struct miState* child;  /* state of the last continued ray, set by mi_trace_transparent */
    miSshort thread;        /* render thread number */
    miSshort spare;
    miTag instance;
    miTag material;
    const miFunction* shader; /* record of the shader being called; shaders only read it */
    miUint label;
    miUint pri_idx; /* index of the primitive the ray hit */
    miVector org, dir;
    miScalar dist;
    miVector point;       /* hit point; z is negative in front of the camera */
    miVector normal;      /* interpolated normal */
    miVector normal_geom; /* geometric normal */
    miScalar dot_nd;
    miVector* tex_list; /* texture coordinates of the hit, at least one space */
    void* user;
    miInteger user_size;
} miState;

/* ---- contours ---- */

typedef struct miContour_endpoint {
    miVector point; /* filled by the renderer */
    miColor color;
    miScalar width;
    miVector motion;
    miVector normal;
    miTag material;
    miInteger label;
} miContour_endpoint;

typedef miBoolean (*miContour_Store_Function)(void* info, int* info_size, miState* state,
                                              miColor* color);
typedef miBoolean (*miContour_Contrast_Function)(void* info1, void* info2, int level,
                                                 miState* state, void* paras);
typedef miBoolean (*miContour_Shader_Function)(miContour_endpoint* result, void* info_near,
                                               void* info_far, miState* state, void* paras);

/* ---- queries ---- */

typedef enum miQ_type {
    miQ_NONE = 0,
    miQ_PRI_INDEX = 159 /* int: index of the primitive the state's ray hit (tag 0) */
} miQ_type;

/* ---- renderer functions ---- */

void* mi_phen_eval(miState* state, void* parm);
miBoolean mi_query(const miQ_type query, miState* state, miTag tag, void* result, ...);
miBoolean mi_trace_transparent(miColor* result, miState* state);

void mi_debug(const char* message, ...);
void mi_progress(const char* message, ...);
void mi_info(const char* message, ...);
void mi_nwarning(const int number, const char* message, ...);
void mi_warning(const char* message, ...);
void mi_nerror(const int number, const char* message, ...);
void mi_error(const char* message, ...);
void mi_nfatal(const int number, const char* message, ...);
void mi_fatal(const char* message, ...);
void mi_api_warning(const char* message, ...);
void mi_api_error(const char* message, ...);

#ifdef __cplusplus
}
#endif

#endif /* SHADER_H */
