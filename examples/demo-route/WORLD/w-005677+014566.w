SIMISA@@@@@@@@@@JINX0w0t______

Tr_Worldfile (
	Tr_Watermark ( 1 )
	Static (
		UiD ( 30 )
		FileName ( Wald_Kiefern.s )
		Position ( -120.0 6.8 -80.5 )
		QDirection ( 0 0 0 1 )
		StaticFlags ( 00000000 )
		StaticDetailLevel ( 0 )
	)
	Static (
		UiD ( 31 )
		FileName ( Feldweg.s )
		Position ( 210.4 5.9 340.7 )
		QDirection ( 0 0.9238795 0 0.3826834 )
		StaticFlags ( 00000000 )
		StaticDetailLevel ( 0 )
	)
)