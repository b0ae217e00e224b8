SIMISA@@@@@@@@@@JINX0w0t______

Tr_Worldfile (
	Pickup (
		PickupType ( 5 0 )
		PickupCapacity ( 20000 0.5 )
		TrItemId ( 0 17 )
		Position ( 1, 2, 3 )
	)
	pickup (
		PICKUPTYPE ( 6 0 )
		pickupcapacity ( 5 )
		Position ( 4 5 6 )
		tritemid ( 0 18 )
	)
)