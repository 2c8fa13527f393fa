# Not a test: the figures of bench_real_stack (status tick and read-back, real path against
# the simulated backend), for tools/measure-kernel-rig.sh.
QT_QPA_PLATFORM=offscreen bench_real_stack 20
